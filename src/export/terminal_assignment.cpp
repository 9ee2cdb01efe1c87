#include "export/terminal_assignment.h"

#include "db/cursor.h"

namespace skarvik {
namespace {

// The balance export writes the type's model; the key export only asks
// whether a type names the table.
constexpr Column<AssignedType> kModelColumns[] = {
    ColumnOf<&AssignedType::TsmTyp>("TsmTyp", ColumnUse::kModel)};
constexpr Column<AssignedType> kUnwrittenColumns[] = {
    ColumnOf<&AssignedType::TsmTyp>("TsmTyp", ColumnUse::kReadOnly)};

void Normalize(AssignedType& row) { NormalizeAssignedModel(row.TsmTyp); }

// A table is looked up in the type table by its own name.
constexpr ColumnOfQuery kBalanceTableName[] = {
    {.cursor = CursorKind::kBalanceHeaders, .column = "TslNam"}};
constexpr ColumnOfQuery kKeyTableName[] = {{.cursor = CursorKind::kKeyHeaders, .column = "TttNam"}};

}  // namespace

const Query<AssignedType> kAssignmentBySal = {
    .cursor = CursorKind::kAssignment,
    .columns = kModelColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmSal = '%s'",
    .afterFetch = &Normalize,
    .keyFrom = kBalanceTableName,
};
const Query<AssignedType> kAssignmentByTas = {
    .cursor = CursorKind::kAssignment,
    .columns = kUnwrittenColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmTas = '%s'",
    .afterFetch = &Normalize,
    .keyFrom = kKeyTableName,
};

std::optional<ModelString> SQL_GetTerm(Session& session, std::string_view tableName,
                                       AssignedBy column) {
  Cursor<AssignedType> cursor(session,
                              column == AssignedBy::kTsmSal ? kAssignmentBySal : kAssignmentByTas);
  const std::optional<AssignedType> row = cursor.first(tableName);
  if (!row) return std::nullopt;
  return row->TsmTyp;
}

}  // namespace skarvik
