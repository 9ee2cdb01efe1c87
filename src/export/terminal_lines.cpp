#include "export/terminal_lines.h"

#include "export/terminal_type.h"

namespace skarvik {
namespace {

using R = TerminalRecord;

constexpr Column<R> kTerminalColumns[] = {
    column<&R::TrmNam>("TrmNam"), column<&R::TrmInt>("TrmInt"), column<&R::TrmMod>("TrmMod"),
    column<&R::TrmTas>("TrmTas"), column<&R::TrmSal>("TrmSal"), column<&R::TrmUpl>("TrmUpl"),
    column<&R::TrmDnl>("TrmDnl"), column<&R::TrmSpr>("TrmSpr"), column<&R::TrmDtm>("TrmDtm"),
    column<&R::TrmApp>("TrmApp"), column<&R::TrmLog>("TrmLog"), column<&R::TrmPra>("TrmPra"),
    column<&R::TrmSyn>("TrmSyn"), column<&R::TrmFnk>("TrmFnk"), column<&R::TrmDis>("TrmDis"),
    column<&R::TrmTon>("TrmTon"), column<&R::TrmDau>("TrmDau"), column<&R::TrmLst>("TrmLst"),
    column<&R::TrmHst>("TrmHst"), column<&R::TrmAlf>("TrmAlf"), column<&R::TrmSto>("TrmSto"),
    column<&R::TrmTxt>("TrmTxt"), column<&R::TrmKtx>("TrmKtx"), column<&R::TrmSta>("TrmSta"),
    column<&R::TrmErf>("TrmErf"),
};

// The type-table rows fill the terminal fields they stand for.
constexpr Column<R> kTypeTableColumns[] = {
    column<&R::TrmNam>("TsmNam"), column<&R::TrmMod>("TsmTyp"), column<&R::TrmTas>("TsmTas"),
    column<&R::TrmSal>("TsmSal"), column<&R::TrmUpl>("TsmUpl"), column<&R::TrmDnl>("TsmDnl"),
    column<&R::TrmSpr>("TsmSpr"), column<&R::TrmTxt>("TsmTxt"), column<&R::TrmKtx>("TsmKtx"),
    column<&R::TsmKsw>("TsmKsw"), column<&R::TrmSta>("TsmSta"), column<&R::TrmErf>("TsmErf"),
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

void WriteTrmLine(LineSink& sink, const R& r) {
  const CommunicationParameters& c = r.com;
  sink.writeLine(
      {"TRM",           r.TrmNam.view(),     r.TrmTas.view(), r.TrmSal.view(), r.TrmUpl.view(),
       r.TrmDnl.view(), r.TrmSpr.view(),     r.TrmDtm.view(), r.TrmApp.view(), r.TrmLog.view(),
       r.TrmPra.view(), r.TrmSyn.view(),     r.TrmTon.view(), r.TrmDau.view(), r.TrmLst.view(),
       r.TrmHst.view(), r.TrmAlf.view(),     r.TrmSto.view(), r.TrmTxt.view(), r.TrmKtx.view(),
       r.TrmSta.view(), r.TrmErf.view(),     r.TrmInt.view(), r.TrmMod.view(), r.TrmFnk.view(),
       r.TrmDis.view(), c.ComTwx.view(),     c.ComPor.view(), c.ComSch.view(), c.ComSto.view(),
       c.ComIpa.view(), c.ComSub.view(),     c.ComGat.view(), c.ComShs.view(), c.ComTmp.view(),
       c.ComEvp.view(), c.dialNumber.view(), c.ComLer.view(), c.ComDwl.view(), c.ComGid.view()});
}

}  // namespace skarvik
