#include "export/balance_export.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<BalanceTableHeader> kHeaderColumns[] = {
    ColumnOf<&BalanceTableHeader::TslNam>("TslNam", ColumnUse::kLookupKey),
    ColumnOf<&BalanceTableHeader::TslDau>("TslDau"),
    CutColumn<&BalanceTableHeader::TslTxt, &BalanceTableHeader::text>("TslTxt"),
    ColumnOf<&BalanceTableHeader::TslSta>("TslSta"),
    ColumnOf<&BalanceTableHeader::TslDat>("TslDat"),
    ColumnOf<&BalanceTableHeader::TslErf>("TslErf", ColumnUse::kReadOnly),
};

constexpr Column<BalancePosition> kPositionColumns[] = {
    ColumnOf<&BalancePosition::TsaSal>("TsaSal"),
    ColumnOf<&BalancePosition::TsaLfd>("TsaLfd", ColumnUse::kRowKey),
    ColumnOf<&BalancePosition::TsaAnz>("TsaAnz"),
    ColumnOf<&BalancePosition::TsaAus>("TsaAus"),
    ColumnOf<&BalancePosition::TsaSta>("TsaSta"),
    ColumnOf<&BalancePosition::TsaErf>("TsaErf", ColumnUse::kReadOnly),
    ColumnOf<&BalancePosition::TsaDat>("TsaDat"),
    ColumnOf<&BalancePosition::TsaSpl>("TsaSpl"),
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
    Field<&BalanceTableHeader::TslNam>("TslNam", FieldRole::kKey),
    Field<&BalanceTableHeader::model>("model", FieldRole::kModel),
    Field<&BalanceTableHeader::TslDau>("TslDau"),
    Field<&BalanceTableHeader::text>("TslTxt"),
    Field<&BalanceTableHeader::TslSta>("TslSta"),
    Field<&BalanceTableHeader::TslDat>("TslDat"),
    Field<&BalanceTableHeader::TslErf>("TslErf", FieldRole::kCreator),
};

constexpr LineField kPositionFields[] = {
    Field<&BalancePosition::TsaSal>("TsaSal", FieldRole::kKey),
    Field<&BalancePosition::TsaLfd>("TsaLfd", FieldRole::kKey),
    Field<&BalancePosition::TsaAnz>("TsaAnz"),
    Field<&BalancePosition::TsaAus>("TsaAus"),
    Field<&BalancePosition::TsaSta>("TsaSta"),
    Field<&BalancePosition::TsaDat>("TsaDat"),
    Field<&BalancePosition::TsaErf>("TsaErf", FieldRole::kCreator),
    Field<&BalancePosition::TsaSpl>("TsaSpl"),
    Field<&BalancePosition::reserve1>("reserve"),
    Field<&BalancePosition::reserve2>("reserve"),
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
