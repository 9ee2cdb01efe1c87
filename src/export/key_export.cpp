#include "export/key_export.h"

#include "export/key_positions.h"
#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = KeyTableHeader;

constexpr Column<H> kColumns[] = {
    column<&H::TttNam>("TttNam", ColumnUse::kLookupKey),
    cutColumn<&H::TttTxt, &H::text>("TttTxt"),
    column<&H::TttKtx>("TttKtx"),
    column<&H::TttSta>("TttSta"),
    column<&H::TttErf>("TttErf", ColumnUse::kReadOnly),
    column<&H::TttDat>("TttDat"),
    column<&H::TttArt>("TttArt"),
    // Always decided by the key-model table.
    column<&H::TttTas>("TttTas", ColumnUse::kReadOnly),
    column<&H::TttTtp>("TttTtp", ColumnUse::kModel),
};

constexpr LineField kHeaderFields[] = {
    field<&H::TttNam>("TttNam", FieldRole::kKey),
    field<&H::text>("TttTxt"),
    field<&H::TttKtx>("TttKtx"),
    field<&H::TttSta>("TttSta"),
    field<&H::TttErf>("TttErf", FieldRole::kCreator),
    field<&H::TttArt>("TttArt"),
    field<&H::TttTas>("TttTas"),
    field<&H::TttTtp>("TttTtp", FieldRole::kModel),
    field<&H::unused>("empty"),
    field<&H::nameCopy>("TttNam"),
    field<&H::modelValue>("model value"),
    field<&H::TttDat>("TttDat"),
};

// The key table's own model decides, not the model of the terminal type
// that uses it.
void PrepareHeader(H& header, const ModelString& /*typeModel*/) {
  header.nameCopy = header.TttNam;
  header.modelValue.assign(header.text.view());
  ApplyKeyModel(header);
  header.TttErf.assign(kImportCreator);
}

}  // namespace

const Query<H> kKeyHeaderQuery = {
    .cursor = CursorKind::kTstKopf,
    .columns = kColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.O2100TastTab",
};

const LineLayout kKeyHeaderLine = {.fields = kHeaderFields};

void ApplyKeyModel(H& header) {
  const KeyModel* row = FindKeyModel(header.TttTtp.view());
  if (row == nullptr) {
    header.TttTas.assign(kUnlistedTttTas);
    return;
  }
  header.TttArt.assign(row->TttArt);
  header.TttTas.assign(row->TttTas);
  header.modelValue.assign(row->modelValue);
  if (!row->renamedTo.empty()) header.TttTtp.assign(row->renamedTo);
}

const TablePairExport<H, KeyPosition> kKeyTables = {
    .headers = kKeyHeaderQuery,
    .positions = kKeyPositionQuery,
    .assignedBy = AssignedBy::kTsmTas,
    .skipWord = "Tasttab.",
    .name = &H::TttNam,
    .prepareHeader = &PrepareHeader,
    .headerLine = kKeyHeaderLine,
    .writePosition = &WriteKeyPositionLine,
};

}  // namespace skarvik
