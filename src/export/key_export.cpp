#include "export/key_export.h"

#include "export/key_positions.h"
#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<KeyTableHeader> kColumns[] = {
    column<&KeyTableHeader::TttNam>("TttNam", ColumnUse::kLookupKey),
    cutColumn<&KeyTableHeader::TttTxt, &KeyTableHeader::text>("TttTxt"),
    column<&KeyTableHeader::TttKtx>("TttKtx"),
    column<&KeyTableHeader::TttSta>("TttSta"),
    column<&KeyTableHeader::TttErf>("TttErf", ColumnUse::kReadOnly),
    column<&KeyTableHeader::TttDat>("TttDat"),
    column<&KeyTableHeader::TttArt>("TttArt"),
    // Always decided by the key-model table.
    column<&KeyTableHeader::TttTas>("TttTas", ColumnUse::kReadOnly),
    column<&KeyTableHeader::TttTtp>("TttTtp", ColumnUse::kModel),
};

constexpr LineField kHeaderFields[] = {
    field<&KeyTableHeader::TttNam>("TttNam", FieldRole::kKey),
    field<&KeyTableHeader::text>("TttTxt"),
    field<&KeyTableHeader::TttKtx>("TttKtx"),
    field<&KeyTableHeader::TttSta>("TttSta"),
    field<&KeyTableHeader::TttErf>("TttErf", FieldRole::kCreator),
    field<&KeyTableHeader::TttArt>("TttArt"),
    field<&KeyTableHeader::TttTas>("TttTas"),
    field<&KeyTableHeader::TttTtp>("TttTtp", FieldRole::kModel),
    field<&KeyTableHeader::unused>("empty"),
    field<&KeyTableHeader::nameCopy>("TttNam"),
    field<&KeyTableHeader::modelValue>("model value"),
    field<&KeyTableHeader::TttDat>("TttDat"),
};

// The key table's own model decides, not the model of the terminal type
// that uses it.
void PrepareHeader(KeyTableHeader& header, const ModelString& /*typeModel*/) {
  header.nameCopy = header.TttNam;
  header.modelValue.assign(header.text.view());
  ApplyKeyModel(header);
  header.TttErf.assign(kImportCreator);
}

}  // namespace

const Query<KeyTableHeader> kKeyHeaderQuery = {
    .cursor = CursorKind::kKeyHeaders,
    .columns = kColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.O2100TastTab",
};

const LineLayout kKeyHeaderLine = {.fields = kHeaderFields};

void ApplyKeyModel(KeyTableHeader& header) {
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

const TablePairExport<KeyTableHeader, KeyPosition> kKeyTables = {
    .headers = kKeyHeaderQuery,
    .positions = kKeyPositionQuery,
    .assignedBy = AssignedBy::kTsmTas,
    .skipWord = "Tasttab.",
    .name = &KeyTableHeader::TttNam,
    .prepareHeader = &PrepareHeader,
    .headerLine = kKeyHeaderLine,
    .writePosition = &WriteKeyPositionLine,
};

}  // namespace skarvik
