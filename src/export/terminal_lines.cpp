#include "export/terminal_lines.h"

#include "export/model_codes.h"

namespace skarvik {
namespace {

constexpr Column<TerminalRecord> kTerminalColumns[] = {
    ColumnOf<&TerminalRecord::TrmNam>("TrmNam", ColumnUse::kLookupKey),
    ColumnOf<&TerminalRecord::TrmInt>("TrmInt"),
    ColumnOf<&TerminalRecord::TrmMod>("TrmMod", ColumnUse::kModel),
    ColumnOf<&TerminalRecord::TrmTas>("TrmTas"),
    ColumnOf<&TerminalRecord::TrmSal>("TrmSal"),
    ColumnOf<&TerminalRecord::TrmUpl>("TrmUpl"),
    ColumnOf<&TerminalRecord::TrmDnl>("TrmDnl"),
    ColumnOf<&TerminalRecord::TrmSpr>("TrmSpr"),
    ColumnOf<&TerminalRecord::TrmDtm>("TrmDtm"),
    ColumnOf<&TerminalRecord::TrmApp>("TrmApp"),
    ColumnOf<&TerminalRecord::TrmLog>("TrmLog"),
    ColumnOf<&TerminalRecord::TrmPra>("TrmPra"),
    ColumnOf<&TerminalRecord::TrmSyn>("TrmSyn"),
    ColumnOf<&TerminalRecord::TrmFnk>("TrmFnk"),
    ColumnOf<&TerminalRecord::TrmDis>("TrmDis"),
    ColumnOf<&TerminalRecord::TrmTon>("TrmTon"),
    ColumnOf<&TerminalRecord::TrmDau>("TrmDau"),
    ColumnOf<&TerminalRecord::TrmLst>("TrmLst"),
    ColumnOf<&TerminalRecord::TrmHst>("TrmHst"),
    ColumnOf<&TerminalRecord::TrmAlf>("TrmAlf"),
    ColumnOf<&TerminalRecord::TrmSto>("TrmSto"),
    ColumnOf<&TerminalRecord::TrmTxt>("TrmTxt"),
    ColumnOf<&TerminalRecord::TrmKtx>("TrmKtx"),
    ColumnOf<&TerminalRecord::TrmSta>("TrmSta"),
    ColumnOf<&TerminalRecord::TrmErf>("TrmErf", ColumnUse::kReadOnly),
};

// The type-table rows fill the terminal fields they stand for.
constexpr Column<TerminalRecord> kTypeTableColumns[] = {
    ColumnOf<&TerminalRecord::TrmNam>("TsmNam", ColumnUse::kLookupKey),
    ColumnOf<&TerminalRecord::TrmMod>("TsmTyp", ColumnUse::kModel),
    ColumnOf<&TerminalRecord::TrmTas>("TsmTas"),
    ColumnOf<&TerminalRecord::TrmSal>("TsmSal"),
    ColumnOf<&TerminalRecord::TrmUpl>("TsmUpl"),
    ColumnOf<&TerminalRecord::TrmDnl>("TsmDnl"),
    ColumnOf<&TerminalRecord::TrmSpr>("TsmSpr"),
    ColumnOf<&TerminalRecord::TrmTxt>("TsmTxt"),
    ColumnOf<&TerminalRecord::TrmKtx>("TsmKtx"),
    ColumnOf<&TerminalRecord::TsmKsw>("TsmKsw", ColumnUse::kReadOnly),
    ColumnOf<&TerminalRecord::TrmSta>("TsmSta"),
    ColumnOf<&TerminalRecord::TrmErf>("TsmErf", ColumnUse::kReadOnly),
};

void MapNumericType(TerminalRecord& terminal) {
  if (terminal.TrmMod.size() < kModelStringMinLength) {
    MapTerminalType(terminal.TrmMod, terminal.TrmApp.cStr());
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
    WordField<kTrmWord>(),
    Field<&TerminalRecord::TrmNam>("TrmNam", FieldRole::kKey),
    Field<&TerminalRecord::TrmTas>("TrmTas"),
    Field<&TerminalRecord::TrmSal>("TrmSal"),
    Field<&TerminalRecord::TrmUpl>("TrmUpl"),
    Field<&TerminalRecord::TrmDnl>("TrmDnl"),
    Field<&TerminalRecord::TrmSpr>("TrmSpr"),
    Field<&TerminalRecord::TrmDtm>("TrmDtm"),
    Field<&TerminalRecord::TrmApp>("TrmApp"),
    Field<&TerminalRecord::TrmLog>("TrmLog"),
    Field<&TerminalRecord::TrmPra>("TrmPra"),
    Field<&TerminalRecord::TrmSyn>("TrmSyn"),
    Field<&TerminalRecord::TrmTon>("TrmTon"),
    Field<&TerminalRecord::TrmDau>("TrmDau"),
    Field<&TerminalRecord::TrmLst>("TrmLst"),
    Field<&TerminalRecord::TrmHst>("TrmHst"),
    Field<&TerminalRecord::TrmAlf>("TrmAlf"),
    Field<&TerminalRecord::TrmSto>("TrmSto"),
    Field<&TerminalRecord::TrmTxt>("TrmTxt"),
    Field<&TerminalRecord::TrmKtx>("TrmKtx"),
    Field<&TerminalRecord::TrmSta>("TrmSta"),
    Field<&TerminalRecord::TrmErf>("TrmErf", FieldRole::kCreator),
    Field<&TerminalRecord::TrmInt>("TrmInt"),
    Field<&TerminalRecord::TrmMod>("TrmMod", FieldRole::kModel),
    Field<&TerminalRecord::TrmFnk>("TrmFnk"),
    Field<&TerminalRecord::TrmDis>("TrmDis"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComTwx>("ComTwx"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComPor>("ComPor"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComSch>("ComSch"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComSto>("ComSto"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComIpa>("ComIpa"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComSub>("ComSub"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComGat>("ComGat"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComShs>("ComShs"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComTmp>("ComTmp"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComEvp>("ComEvp"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::dialNumber>("dial number"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComLer>("ComLer"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComDwl>("ComDwl"),
    NestedField<&TerminalRecord::com, &CommunicationParameters::ComGid>("ComGid"),
};

}  // namespace

const LineLayout kTrmLine = {.word = kTrmWord, .fields = kTrmFields};

}  // namespace skarvik
