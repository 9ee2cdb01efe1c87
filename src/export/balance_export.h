// The balance tables of the old database: SldKopf.dat gets one header line
// per balance table that some terminal type uses, with that type's model,
// and SldPos.dat the positions of those tables. A table that no terminal
// type names is left out with a line in the run log. The two files are
// paired by the table name, not by their order.
#pragma once

#include "export/balance_records.h"
#include "export/table_pair.h"

namespace skarvik {

extern const Query<BalanceTableHeader> kBalanceHeaderQuery;
extern const Query<BalancePosition> kBalancePositionQuery;

extern const LineLayout kBalanceHeaderLine;    // SldKopf.dat
extern const LineLayout kBalancePositionLine;  // SldPos.dat

extern const TablePairExport<BalanceTableHeader, BalancePosition> kBalanceTables;

}  // namespace skarvik
