// Which terminal type uses a balance or key table of the old database.
//
// The old system exports a balance table or a key table only when some row
// of the terminal-type table names it: balance tables in the column TsmSal,
// key tables in TsmTas. The first such row's type is also the model the
// balance table is written with, brought to the model strings the newer
// system knows.
#pragma once

#include <optional>
#include <string_view>

#include "db/session.h"
#include "export/terminal_type.h"

namespace skarvik {

// The column of the terminal-type table that names the table looked for.
enum class AssignedBy {
  kTsmSal,  // balance tables
  kTsmTas,  // key tables
};

// The model of the first terminal type naming tableName in column; nothing
// when no type names it or the query failed (logged).
std::optional<ModelString> SQL_GetTerm(Session& session, std::string_view tableName,
                                       AssignedBy column);

// What a stored type becomes on its way out: a numeric code turns into its
// model string, every 8316-3 model is the 8316-300 of the newer system, and
// an 8374-010 is taken for its successor 8374-050.
void NormalizeAssignedModel(ModelString& model);

}  // namespace skarvik
