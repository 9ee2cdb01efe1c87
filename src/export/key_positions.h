// The key positions of one exported key table, read by the table's name and
// written to TstPos.dat right after its header line. Every position line
// carries the model of its header as finally written, whatever the
// position's own type says.
#pragma once

#include "db/query.h"
#include "export/key_records.h"
#include "export/line_layout.h"

namespace skarvik {

extern const Query<KeyPosition> kKeyPositionQuery;
extern const LineLayout kKeyPositionLine;           // TstPos.dat

// Brings one position into the newer system's form and writes its line.
void WriteKeyPositionLine(LineSink& sink, KeyPosition& position, const KeyTableHeader& header);

}  // namespace skarvik
