#include "check/repair/planned_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skarvik::check {
namespace {

// Which column holds which key comes from the plan's own lookups: each one
// names the column it takes its key from. A column that merely feeds the
// same file (TsmNam into Device.dat) is no reference to the communication
// table.
TEST(PlannedTables, EveryReferenceIsALookupOfThePlanOrANameTheLineCarries) {
  std::vector<std::string> found;
  for (const KeyReference& r : KeyReferences()) {
    found.push_back(r.table + "." + r.column + " -> " + r.keyTable + "." + r.keyColumn +
                    (r.lookup ? "" : " (written)"));
  }
  EXPECT_EQ(found, std::vector<std::string>({
                       "Vks1140Trm.TrmSal -> O2101SalTab.TslNam (written)",
                       "Vks1140Trm.TrmTas -> O2100TastTab.TttNam (written)",
                       "Vks1140Com.ComNam -> Vks1140Trm.TrmNam",
                       "Vks401Zls.ZlsTrm -> Vks1140Trm.TrmNam",
                       "Vks401Zls.ZlsTrm -> Vks114Tsm.TsmNam",
                       "Vks114Tsm.TsmSal -> O2101SalTab.TslNam",
                       "G2101SalLst.TsaSal -> O2101SalTab.TslNam",
                       "Vks114Tsm.TsmTas -> O2100TastTab.TttNam",
                       "O2108Tta.TtaNum -> O2100TastTab.TttNam",
                   }));
}

// A statement names its row by the table's own key, or by the lookup's key
// and the row key within it.
TEST(PlannedTables, RowsAreNamedByTheirKeyOrByTheirLookupAndRowKey) {
  std::vector<std::string> found;
  for (const PlannedTable& table : PlannedTables()) {
    std::string names = table.name + ":";
    for (const std::size_t c : table.rowNames()) names += " " + table.columns[c].name;
    found.push_back(names);
  }
  EXPECT_EQ(found, std::vector<std::string>({"Vks1140Trm: TrmNam", "Vks1140Com: ComNam",
                                             "Vks401Zls: ZlsTrm ZlsLes", "Vks114Tsm: TsmNam",
                                             "O2101SalTab: TslNam", "G2101SalLst: TsaSal TsaLfd",
                                             "O2100TastTab: TttNam", "O2108Tta: TtaNum TtaPos"}));
}

}  // namespace
}  // namespace skarvik::check
