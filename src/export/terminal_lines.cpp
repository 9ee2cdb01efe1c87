#include "export/terminal_lines.h"

#include "export/model_codes.h"

namespace skarvik {
namespace {

constexpr Column<TerminalRecord> kTerminalColumns[] = {
    column<&TerminalRecord::TrmNam>("TrmNam", ColumnUse::kLookupKey),
    column<&TerminalRecord::TrmInt>("TrmInt"),
    column<&TerminalRecord::TrmMod>("TrmMod", ColumnUse::kModel),
    column<&TerminalRecord::TrmTas>("TrmTas"),
    column<&TerminalRecord::TrmSal>("TrmSal"),
    column<&TerminalRecord::TrmUpl>("TrmUpl"),
    column<&TerminalRecord::TrmDnl>("TrmDnl"),
    column<&TerminalRecord::TrmSpr>("TrmSpr"),
    column<&TerminalRecord::TrmDtm>("TrmDtm"),
    column<&TerminalRecord::TrmApp>("TrmApp"),
    column<&TerminalRecord::TrmLog>("TrmLog"),
    column<&TerminalRecord::TrmPra>("TrmPra"),
    column<&TerminalRecord::TrmSyn>("TrmSyn"),
    column<&TerminalRecord::TrmFnk>("TrmFnk"),
    column<&TerminalRecord::TrmDis>("TrmDis"),
    column<&TerminalRecord::TrmTon>("TrmTon"),
    column<&TerminalRecord::TrmDau>("TrmDau"),
    column<&TerminalRecord::TrmLst>("TrmLst"),
    column<&TerminalRecord::TrmHst>("TrmHst"),
    column<&TerminalRecord::TrmAlf>("TrmAlf"),
    column<&TerminalRecord::TrmSto>("TrmSto"),
    column<&TerminalRecord::TrmTxt>("TrmTxt"),
    column<&TerminalRecord::TrmKtx>("TrmKtx"),
    column<&TerminalRecord::TrmSta>("TrmSta"),
    column<&TerminalRecord::TrmErf>("TrmErf", ColumnUse::kReadOnly),
};

// The type-table rows fill the terminal fields they stand for.
constexpr Column<TerminalRecord> kTypeTableColumns[] = {
    column<&TerminalRecord::TrmNam>("TsmNam", ColumnUse::kLookupKey),
    column<&TerminalRecord::TrmMod>("TsmTyp", ColumnUse::kModel),
    column<&TerminalRecord::TrmTas>("TsmTas"),
    column<&TerminalRecord::TrmSal>("TsmSal"),
    column<&TerminalRecord::TrmUpl>("TsmUpl"),
    column<&TerminalRecord::TrmDnl>("TsmDnl"),
    column<&TerminalRecord::TrmSpr>("TsmSpr"),
    column<&TerminalRecord::TrmTxt>("TsmTxt"),
    column<&TerminalRecord::TrmKtx>("TsmKtx"),
    column<&TerminalRecord::TsmKsw>("TsmKsw", ColumnUse::kReadOnly),
    column<&TerminalRecord::TrmSta>("TsmSta"),
    column<&TerminalRecord::TrmErf>("TsmErf", ColumnUse::kReadOnly),
};

void MapNumericType(TerminalRecord& terminal) {
  if (terminal.TrmMod.size() < kModelStringMinLength) {
    MapTerminalType(terminal.TrmMod, terminal.TrmApp.c_str());
  }
}


// A terminal names its balance and key table in its TRM line, where the
// newer system reads them as references; the export looks nothing up by
// them.
constexpr NamedReference kTerminalReferences[] = {
    {.column = "TrmSal", .names = {.cursor = CursorKind::kBalanceHeaders, .column = "TslNam"}},
    {.column = "TrmTas", .names = {.cursor = CursorKind::kKeyHeaders, .column = "TttNam"}},
};

}  // namespace

const Query<TerminalRecord> kTerminalQuery = {
    .cursor = CursorKind::kTerminals,
    .columns = kTerminalColumns,
    .columnsPerGroup = 5,
    .from = " FROM  VKSYSTEM.Vks1140Trm",
    .afterFetch = &MapNumericType,
    .references = kTerminalReferences,
};

// The type table keeps its types as stored: they are written unmapped.
const Query<TerminalRecord> kTypeTableQuery = {
    .cursor = CursorKind::kTypeTable,
    .columns = kTypeTableColumns,
    .columnsPerGroup = 4,
    .from = " FROM  VKSYSTEM.Vks114Tsm",
};

namespace {

constexpr LineField kTrmFields[] = {
    wordField<kTrmWord>(),
    field<&TerminalRecord::TrmNam>("TrmNam", FieldRole::kKey),
    field<&TerminalRecord::TrmTas>("TrmTas"),
    field<&TerminalRecord::TrmSal>("TrmSal"),
    field<&TerminalRecord::TrmUpl>("TrmUpl"),
    field<&TerminalRecord::TrmDnl>("TrmDnl"),
    field<&TerminalRecord::TrmSpr>("TrmSpr"),
    field<&TerminalRecord::TrmDtm>("TrmDtm"),
    field<&TerminalRecord::TrmApp>("TrmApp"),
    field<&TerminalRecord::TrmLog>("TrmLog"),
    field<&TerminalRecord::TrmPra>("TrmPra"),
    field<&TerminalRecord::TrmSyn>("TrmSyn"),
    field<&TerminalRecord::TrmTon>("TrmTon"),
    field<&TerminalRecord::TrmDau>("TrmDau"),
    field<&TerminalRecord::TrmLst>("TrmLst"),
    field<&TerminalRecord::TrmHst>("TrmHst"),
    field<&TerminalRecord::TrmAlf>("TrmAlf"),
    field<&TerminalRecord::TrmSto>("TrmSto"),
    field<&TerminalRecord::TrmTxt>("TrmTxt"),
    field<&TerminalRecord::TrmKtx>("TrmKtx"),
    field<&TerminalRecord::TrmSta>("TrmSta"),
    field<&TerminalRecord::TrmErf>("TrmErf", FieldRole::kCreator),
    field<&TerminalRecord::TrmInt>("TrmInt"),
    field<&TerminalRecord::TrmMod>("TrmMod", FieldRole::kModel),
    field<&TerminalRecord::TrmFnk>("TrmFnk"),
    field<&TerminalRecord::TrmDis>("TrmDis"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComTwx>("ComTwx"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComPor>("ComPor"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComSch>("ComSch"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComSto>("ComSto"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComIpa>("ComIpa"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComSub>("ComSub"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComGat>("ComGat"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComShs>("ComShs"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComTmp>("ComTmp"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComEvp>("ComEvp"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::dialNumber>("dial number"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComLer>("ComLer"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComDwl>("ComDwl"),
    nestedField<&TerminalRecord::com, &CommunicationParameters::ComGid>("ComGid"),
};

}  // namespace

const LineLayout kTrmLine = {.word = kTrmWord, .fields = kTrmFields};

}  // namespace skarvik
