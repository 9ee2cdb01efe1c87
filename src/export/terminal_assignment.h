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

#include "db/query.h"
#include "db/session.h"
#include "export/model_codes.h"

namespace skarvik {

// The column of the terminal-type table that names the table looked for.
enum class AssignedBy {
  kTsmSal,  // balance tables
  kTsmTas,  // key tables
};

struct AssignedType {
  ModelString TsmTyp;
};

// One query per column of the type table, so that the column name is part
// of the fixed text and only the table name is a key (SQL_GetTerm).
extern const Query<AssignedType> kAssignmentBySal;
extern const Query<AssignedType> kAssignmentByTas;

// The model of the first terminal type naming tableName in column; nothing
// when no type names it or the query failed (logged).
std::optional<ModelString> SQL_GetTerm(Session& session, std::string_view tableName,
                                       AssignedBy column);

}  // namespace skarvik
