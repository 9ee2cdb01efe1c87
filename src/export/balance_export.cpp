#include "export/balance_export.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = BalanceTableHeader;
using P = BalancePosition;

constexpr Column<H> kHeaderColumns[] = {
    column<&H::TslNam>("TslNam"), column<&H::TslDau>("TslDau"), column<&H::TslTxt>("TslTxt"),
    column<&H::TslSta>("TslSta"), column<&H::TslDat>("TslDat"), column<&H::TslErf>("TslErf"),
};

constexpr Column<P> kPositionColumns[] = {
    column<&P::TsaSal>("TsaSal"), column<&P::TsaLfd>("TsaLfd"), column<&P::TsaAnz>("TsaAnz"),
    column<&P::TsaAus>("TsaAus"), column<&P::TsaSta>("TsaSta"), column<&P::TsaErf>("TsaErf"),
    column<&P::TsaDat>("TsaDat"), column<&P::TsaSpl>("TsaSpl"),
};

const Query<H> kHeaderQuery = {
    .cursor = CursorKind::kSldKopf,
    .columns = kHeaderColumns,
    .columnsPerGroup = 3,
    .from = "  FROM  VKSYSTEM.O2101SalTab",
    .afterFetch = &CutInto<&H::TslTxt, &H::text>,
};

const Query<P> kPositionQuery = {
    .cursor = CursorKind::kSldPos,
    .columns = kPositionColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.G2101SalLst WHERE  TsaSal = '%s'",
};

void PrepareHeader(H& header, const ModelString& model) {
  header.model.assign(model.view());
  header.TslErf.assign(kImportCreator);
}

void WriteHeaderLine(LineSink& sink, const H& h) {
  sink.writeLine({h.TslNam.view(), h.model.view(), h.TslDau.view(), h.text.view(), h.TslSta.view(),
                  h.TslDat.view(), h.TslErf.view()});
}

void WritePositionLine(LineSink& sink, P& p, const H& /*header*/) {
  p.TsaErf.assign(kImportCreator);
  sink.writeLine({p.TsaSal.view(), p.TsaLfd.view(), p.TsaAnz.view(), p.TsaAus.view(),
                  p.TsaSta.view(), p.TsaDat.view(), p.TsaErf.view(), p.TsaSpl.view(),
                  p.reserve1.view(), p.reserve2.view()});
}

}  // namespace

const TablePairExport<H, P> kBalanceTables = {
    .files = {.headerPath = "SldKopf.dat",
              .headerWord = "SaldoKopfsatz",
              .positionPath = "SldPos.dat",
              .positionWord = "SaldoPostensatz"},
    .headers = kHeaderQuery,
    .positions = kPositionQuery,
    .assignedBy = AssignedBy::kTsmSal,
    .skipWord = "Saldotab.",
    .name = &H::TslNam,
    .prepareHeader = &PrepareHeader,
    .writeHeader = &WriteHeaderLine,
    .writePosition = &WritePositionLine,
};

}  // namespace skarvik
