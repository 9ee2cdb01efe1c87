#include "export/terminal_lines.h"

#include "export/model_codes.h"

namespace skarvik {
namespace {

using R = TerminalRecord;

constexpr Column<R> kTerminalColumns[] = {
    column<&R::TrmNam>("TrmNam", ColumnUse::kLookupKey),
    column<&R::TrmInt>("TrmInt"),
    column<&R::TrmMod>("TrmMod", ColumnUse::kModel),
    column<&R::TrmTas>("TrmTas"),
    column<&R::TrmSal>("TrmSal"),
    column<&R::TrmUpl>("TrmUpl"),
    column<&R::TrmDnl>("TrmDnl"),
    column<&R::TrmSpr>("TrmSpr"),
    column<&R::TrmDtm>("TrmDtm"),
    column<&R::TrmApp>("TrmApp"),
    column<&R::TrmLog>("TrmLog"),
    column<&R::TrmPra>("TrmPra"),
    column<&R::TrmSyn>("TrmSyn"),
    column<&R::TrmFnk>("TrmFnk"),
    column<&R::TrmDis>("TrmDis"),
    column<&R::TrmTon>("TrmTon"),
    column<&R::TrmDau>("TrmDau"),
    column<&R::TrmLst>("TrmLst"),
    column<&R::TrmHst>("TrmHst"),
    column<&R::TrmAlf>("TrmAlf"),
    column<&R::TrmSto>("TrmSto"),
    column<&R::TrmTxt>("TrmTxt"),
    column<&R::TrmKtx>("TrmKtx"),
    column<&R::TrmSta>("TrmSta"),
    column<&R::TrmErf>("TrmErf", ColumnUse::kReadOnly),
};

// The type-table rows fill the terminal fields they stand for.
constexpr Column<R> kTypeTableColumns[] = {
    column<&R::TrmNam>("TsmNam", ColumnUse::kLookupKey),
    column<&R::TrmMod>("TsmTyp", ColumnUse::kModel),
    column<&R::TrmTas>("TsmTas"),
    column<&R::TrmSal>("TsmSal"),
    column<&R::TrmUpl>("TsmUpl"),
    column<&R::TrmDnl>("TsmDnl"),
    column<&R::TrmSpr>("TsmSpr"),
    column<&R::TrmTxt>("TsmTxt"),
    column<&R::TrmKtx>("TsmKtx"),
    column<&R::TsmKsw>("TsmKsw", ColumnUse::kReadOnly),
    column<&R::TrmSta>("TsmSta"),
    column<&R::TrmErf>("TsmErf", ColumnUse::kReadOnly),
};

void MapNumericType(R& terminal) {
  if (terminal.TrmMod.size() < kModelStringMinLength) {
    MapTerminalType(terminal.TrmMod, terminal.TrmApp.c_str());
  }
}

}  // namespace

const Query<R> kTerminalQuery = {
    .cursor = CursorKind::kTermAlt,
    .columns = kTerminalColumns,
    .columnsPerGroup = 5,
    .from = " FROM  VKSYSTEM.Vks1140Trm",
    .afterFetch = &MapNumericType,
};

// The type table keeps its types as stored: they are written unmapped.
const Query<R> kTypeTableQuery = {
    .cursor = CursorKind::kVks114Tsm,
    .columns = kTypeTableColumns,
    .columnsPerGroup = 4,
    .from = " FROM  VKSYSTEM.Vks114Tsm",
};

namespace {

using C = CommunicationParameters;

constexpr LineField kTrmFields[] = {
    wordField<kTrmWord>(),
    field<&R::TrmNam>("TrmNam", FieldRole::kKey),
    field<&R::TrmTas>("TrmTas"),
    field<&R::TrmSal>("TrmSal"),
    field<&R::TrmUpl>("TrmUpl"),
    field<&R::TrmDnl>("TrmDnl"),
    field<&R::TrmSpr>("TrmSpr"),
    field<&R::TrmDtm>("TrmDtm"),
    field<&R::TrmApp>("TrmApp"),
    field<&R::TrmLog>("TrmLog"),
    field<&R::TrmPra>("TrmPra"),
    field<&R::TrmSyn>("TrmSyn"),
    field<&R::TrmTon>("TrmTon"),
    field<&R::TrmDau>("TrmDau"),
    field<&R::TrmLst>("TrmLst"),
    field<&R::TrmHst>("TrmHst"),
    field<&R::TrmAlf>("TrmAlf"),
    field<&R::TrmSto>("TrmSto"),
    field<&R::TrmTxt>("TrmTxt"),
    field<&R::TrmKtx>("TrmKtx"),
    field<&R::TrmSta>("TrmSta"),
    field<&R::TrmErf>("TrmErf", FieldRole::kCreator),
    field<&R::TrmInt>("TrmInt"),
    field<&R::TrmMod>("TrmMod", FieldRole::kModel),
    field<&R::TrmFnk>("TrmFnk"),
    field<&R::TrmDis>("TrmDis"),
    nestedField<&R::com, &C::ComTwx>("ComTwx"),
    nestedField<&R::com, &C::ComPor>("ComPor"),
    nestedField<&R::com, &C::ComSch>("ComSch"),
    nestedField<&R::com, &C::ComSto>("ComSto"),
    nestedField<&R::com, &C::ComIpa>("ComIpa"),
    nestedField<&R::com, &C::ComSub>("ComSub"),
    nestedField<&R::com, &C::ComGat>("ComGat"),
    nestedField<&R::com, &C::ComShs>("ComShs"),
    nestedField<&R::com, &C::ComTmp>("ComTmp"),
    nestedField<&R::com, &C::ComEvp>("ComEvp"),
    nestedField<&R::com, &C::dialNumber>("dial number"),
    nestedField<&R::com, &C::ComLer>("ComLer"),
    nestedField<&R::com, &C::ComDwl>("ComDwl"),
    nestedField<&R::com, &C::ComGid>("ComGid"),
};

}  // namespace

const LineLayout kTrmLine = {.word = kTrmWord, .fields = kTrmFields};

}  // namespace skarvik
