// The key positions of one exported key table, read by the table's name and
// written to TstPos.dat right after its header line. Every position line
// carries the model of its header as finally written, whatever the
// position's own type says.
#pragma once

#include "db/cursor.h"
#include "export/key_records.h"
#include "export/output_file.h"

namespace skarvik {

extern const Query<KeyPosition> kKeyPositionQuery;  // SQL_Open_TstPosAlt

// Opens positions for header's table, writes one line per position, closes.
void WriteKeyPositions(Cursor<KeyPosition>& positions, const KeyTableHeader& header,
                       OutputFile& file);

}  // namespace skarvik
