#include "export/terminal_assignment.h"

#include "db/cursor.h"

namespace skarvik {
namespace {

struct AssignedType {
  ModelString TsmTyp;
};

constexpr Column<AssignedType> kColumns[] = {column<&AssignedType::TsmTyp>("TsmTyp")};

void Normalize(AssignedType& row) { NormalizeAssignedModel(row.TsmTyp); }

// One query per column of the type table, so that the column name is part
// of the fixed text and only the table name is a key.
const Query<AssignedType> kBySalColumn = {
    .cursor = CursorKind::kGetTerm,
    .columns = kColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmSal = '%s'",
    .afterFetch = &Normalize,
};
const Query<AssignedType> kByTasColumn = {
    .cursor = CursorKind::kGetTerm,
    .columns = kColumns,
    .from = "  FROM  VKSYSTEM.Vks114Tsm WHERE  TsmTas = '%s'",
    .afterFetch = &Normalize,
};

constexpr std::string_view k8316Family3 = "8316-3";
constexpr char k8316Model[] = "8316-300";
constexpr char k8374Predecessor[] = "8374-010";
constexpr char k8374Successor[] = "8374-050";

}  // namespace

void NormalizeAssignedModel(ModelString& model) {
  // The type table has no application text, so the 8374 upgrade of the
  // terminal table never applies to a code found here.
  if (model.size() < kModelStringMinLength) MapTerminalType(model, "");
  if (model.view().find(k8316Family3) != std::string_view::npos) model.assign(k8316Model);
  if (model == k8374Predecessor) model.assign(k8374Successor);
}

std::optional<ModelString> SQL_GetTerm(Session& session, std::string_view tableName,
                                       AssignedBy column) {
  Cursor<AssignedType> cursor(session, column == AssignedBy::kTsmSal ? kBySalColumn : kByTasColumn);
  const std::optional<AssignedType> row = cursor.first(tableName);
  if (!row) return std::nullopt;
  return row->TsmTyp;
}

}  // namespace skarvik
