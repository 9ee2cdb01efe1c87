#include "export/terminal_assignment.h"

#include "db/cursor.h"

namespace skarvik {
namespace {

constexpr Column<AssignedType> kColumns[] = {column<&AssignedType::TsmTyp>("TsmTyp")};

void Normalize(AssignedType& row) { NormalizeAssignedModel(row.TsmTyp); }

}  // namespace

const Query<AssignedType> kAssignmentBySal = {
    .cursor = CursorKind::kGetTerm,
    .columns = kColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmSal = '%s'",
    .afterFetch = &Normalize,
};
const Query<AssignedType> kAssignmentByTas = {
    .cursor = CursorKind::kGetTerm,
    .columns = kColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmTas = '%s'",
    .afterFetch = &Normalize,
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
