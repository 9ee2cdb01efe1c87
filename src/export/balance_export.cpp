#include "export/balance_export.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = BalanceTableHeader;
using P = BalancePosition;

constexpr Column<H> kHeaderColumns[] = {
    column<&H::TslNam>("TslNam", ColumnUse::kLookupKey),
    column<&H::TslDau>("TslDau"),
    cutColumn<&H::TslTxt, &H::text>("TslTxt"),
    column<&H::TslSta>("TslSta"),
    column<&H::TslDat>("TslDat"),
    column<&H::TslErf>("TslErf", ColumnUse::kReadOnly),
};

constexpr Column<P> kPositionColumns[] = {
    column<&P::TsaSal>("TsaSal"), column<&P::TsaLfd>("TsaLfd", ColumnUse::kRowKey),
    column<&P::TsaAnz>("TsaAnz"), column<&P::TsaAus>("TsaAus"),
    column<&P::TsaSta>("TsaSta"), column<&P::TsaErf>("TsaErf", ColumnUse::kReadOnly),
    column<&P::TsaDat>("TsaDat"), column<&P::TsaSpl>("TsaSpl"),
};

}  // namespace

const Query<H> kBalanceHeaderQuery = {
    .cursor = CursorKind::kSldKopf,
    .columns = kHeaderColumns,
    .columnsPerGroup = 3,
    .from = "  FROM  VKSYSTEM.O2101SalTab",
};

const Query<P> kBalancePositionQuery = {
    .cursor = CursorKind::kSldPos,
    .columns = kPositionColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.G2101SalLst WHERE  TsaSal = '%s'",
};

namespace {

void PrepareHeader(H& header, const ModelString& model) {
  header.model.assign(model.view());
  header.TslErf.assign(kImportCreator);
}

constexpr LineField kHeaderFields[] = {
    field<&H::TslNam>("TslNam", FieldRole::kKey),
    field<&H::model>("model", FieldRole::kModel),
    field<&H::TslDau>("TslDau"),
    field<&H::text>("TslTxt"),
    field<&H::TslSta>("TslSta"),
    field<&H::TslDat>("TslDat"),
    field<&H::TslErf>("TslErf", FieldRole::kCreator),
};

constexpr LineField kPositionFields[] = {
    field<&P::TsaSal>("TsaSal", FieldRole::kKey),
    field<&P::TsaLfd>("TsaLfd", FieldRole::kKey),
    field<&P::TsaAnz>("TsaAnz"),
    field<&P::TsaAus>("TsaAus"),
    field<&P::TsaSta>("TsaSta"),
    field<&P::TsaDat>("TsaDat"),
    field<&P::TsaErf>("TsaErf", FieldRole::kCreator),
    field<&P::TsaSpl>("TsaSpl"),
    field<&P::reserve1>("reserve"),
    field<&P::reserve2>("reserve"),
};

void WritePositionLine(LineSink& sink, P& p, const H& /*header*/) {
  p.TsaErf.assign(kImportCreator);
  WriteLine(sink, kBalancePositionLine, p);
}

}  // namespace

const LineLayout kBalanceHeaderLine = {.fields = kHeaderFields};
const LineLayout kBalancePositionLine = {.fields = kPositionFields};

const TablePairExport<H, P> kBalanceTables = {
    .headers = kBalanceHeaderQuery,
    .positions = kBalancePositionQuery,
    .assignedBy = AssignedBy::kTsmSal,
    .skipWord = "Saldotab.",
    .name = &H::TslNam,
    .prepareHeader = &PrepareHeader,
    .headerLine = kBalanceHeaderLine,
    .writePosition = &WritePositionLine,
};

}  // namespace skarvik
