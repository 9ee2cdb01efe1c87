#include "export/key_export.h"

#include "export/key_positions.h"
#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<KeyTableHeader> kColumns[] = {
    ColumnOf<&KeyTableHeader::TttNam>("TttNam", ColumnUse::kLookupKey),
    CutColumn<&KeyTableHeader::TttTxt, &KeyTableHeader::text>("TttTxt"),
    ColumnOf<&KeyTableHeader::TttKtx>("TttKtx"),
    ColumnOf<&KeyTableHeader::TttSta>("TttSta"),
    ColumnOf<&KeyTableHeader::TttErf>("TttErf", ColumnUse::kReadOnly),
    ColumnOf<&KeyTableHeader::TttDat>("TttDat"),
    ColumnOf<&KeyTableHeader::TttArt>("TttArt"),
    // Always decided by the key-model table.
    ColumnOf<&KeyTableHeader::TttTas>("TttTas", ColumnUse::kReadOnly),
    ColumnOf<&KeyTableHeader::TttTtp>("TttTtp", ColumnUse::kModel),
};

constexpr LineField kHeaderFields[] = {
    Field<&KeyTableHeader::TttNam>("TttNam", FieldRole::kKey),
    Field<&KeyTableHeader::text>("TttTxt"),
    Field<&KeyTableHeader::TttKtx>("TttKtx"),
    Field<&KeyTableHeader::TttSta>("TttSta"),
    Field<&KeyTableHeader::TttErf>("TttErf", FieldRole::kCreator),
    Field<&KeyTableHeader::TttArt>("TttArt"),
    Field<&KeyTableHeader::TttTas>("TttTas"),
    Field<&KeyTableHeader::TttTtp>("TttTtp", FieldRole::kModel),
    Field<&KeyTableHeader::unused>("empty"),
    Field<&KeyTableHeader::nameCopy>("TttNam"),
    Field<&KeyTableHeader::modelValue>("model value"),
    Field<&KeyTableHeader::TttDat>("TttDat"),
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
