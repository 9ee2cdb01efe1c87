// The key tables of the old database: TstKopf.dat gets one header line per
// key table that some terminal type uses, with the values the newer system
// expects for the table's terminal model, and TstPos.dat the key positions
// of those tables. A table that no terminal type names is left out with a
// line in the run log.
#pragma once

#include "export/key_records.h"
#include "export/table_pair.h"

namespace skarvik {

extern const Query<KeyTableHeader> kKeyHeaderQuery;
extern const LineLayout kKeyHeaderLine;              // TstKopf.dat

extern const TablePairExport<KeyTableHeader, KeyPosition> kKeyTables;

// Sets TttArt, TttTas, the model value and the model of the header from the
// key-model table; a model outside it keeps all but TttTas, which becomes
// "1". Expects the model value to hold the header's text already.
void ApplyKeyModel(KeyTableHeader& header);

}  // namespace skarvik
