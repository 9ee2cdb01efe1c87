#include "export/balance_export.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<BalanceTableHeader> kHeaderColumns[] = {
    column<&BalanceTableHeader::TslNam>("TslNam", ColumnUse::kLookupKey),
    column<&BalanceTableHeader::TslDau>("TslDau"),
    cutColumn<&BalanceTableHeader::TslTxt, &BalanceTableHeader::text>("TslTxt"),
    column<&BalanceTableHeader::TslSta>("TslSta"),
    column<&BalanceTableHeader::TslDat>("TslDat"),
    column<&BalanceTableHeader::TslErf>("TslErf", ColumnUse::kReadOnly),
};

constexpr Column<BalancePosition> kPositionColumns[] = {
    column<&BalancePosition::TsaSal>("TsaSal"),
    column<&BalancePosition::TsaLfd>("TsaLfd", ColumnUse::kRowKey),
    column<&BalancePosition::TsaAnz>("TsaAnz"),
    column<&BalancePosition::TsaAus>("TsaAus"),
    column<&BalancePosition::TsaSta>("TsaSta"),
    column<&BalancePosition::TsaErf>("TsaErf", ColumnUse::kReadOnly),
    column<&BalancePosition::TsaDat>("TsaDat"),
    column<&BalancePosition::TsaSpl>("TsaSpl"),
};

}  // namespace

const Query<BalanceTableHeader> kBalanceHeaderQuery = {
    .cursor = CursorKind::kBalanceHeaders,
    .columns = kHeaderColumns,
    .columnsPerGroup = 3,
    .from = "  FROM  VKSYSTEM.O2101SalTab",
};

namespace {

constexpr ColumnOfQuery kPositionsOf[] = {
    {.cursor = CursorKind::kBalanceHeaders, .column = "TslNam"}};

}  // namespace

const Query<BalancePosition> kBalancePositionQuery = {
    .cursor = CursorKind::kBalancePositions,
    .columns = kPositionColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.G2101SalLst WHERE  TsaSal = '%s'",
    .keyFrom = kPositionsOf,
};

namespace {

void PrepareHeader(BalanceTableHeader& header, const ModelString& model) {
  header.model.assign(model.view());
  header.TslErf.assign(kImportCreator);
}

constexpr LineField kHeaderFields[] = {
    field<&BalanceTableHeader::TslNam>("TslNam", FieldRole::kKey),
    field<&BalanceTableHeader::model>("model", FieldRole::kModel),
    field<&BalanceTableHeader::TslDau>("TslDau"),
    field<&BalanceTableHeader::text>("TslTxt"),
    field<&BalanceTableHeader::TslSta>("TslSta"),
    field<&BalanceTableHeader::TslDat>("TslDat"),
    field<&BalanceTableHeader::TslErf>("TslErf", FieldRole::kCreator),
};

constexpr LineField kPositionFields[] = {
    field<&BalancePosition::TsaSal>("TsaSal", FieldRole::kKey),
    field<&BalancePosition::TsaLfd>("TsaLfd", FieldRole::kKey),
    field<&BalancePosition::TsaAnz>("TsaAnz"),
    field<&BalancePosition::TsaAus>("TsaAus"),
    field<&BalancePosition::TsaSta>("TsaSta"),
    field<&BalancePosition::TsaDat>("TsaDat"),
    field<&BalancePosition::TsaErf>("TsaErf", FieldRole::kCreator),
    field<&BalancePosition::TsaSpl>("TsaSpl"),
    field<&BalancePosition::reserve1>("reserve"),
    field<&BalancePosition::reserve2>("reserve"),
};

void WritePositionLine(LineSink& sink, BalancePosition& p, const BalanceTableHeader& /*header*/) {
  p.TsaErf.assign(kImportCreator);
  WriteLine(sink, kBalancePositionLine, p);
}

}  // namespace

const LineLayout kBalanceHeaderLine = {.fields = kHeaderFields};
const LineLayout kBalancePositionLine = {.fields = kPositionFields};

const TablePairExport<BalanceTableHeader, BalancePosition> kBalanceTables = {
    .headers = kBalanceHeaderQuery,
    .positions = kBalancePositionQuery,
    .assignedBy = AssignedBy::kTsmSal,
    .skipWord = "Saldotab.",
    .name = &BalanceTableHeader::TslNam,
    .prepareHeader = &PrepareHeader,
    .headerLine = kBalanceHeaderLine,
    .writePosition = &WritePositionLine,
};

}  // namespace skarvik
