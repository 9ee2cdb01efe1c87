// The reader lines of Device.dat: after each terminal (and each type-table
// row) one line per reader attached to it, found by the terminal's name.
// On the way out an empty address and group number are derived from the
// reader's running number, and the reader is marked internal ("LESINT") or
// external ("LESEXT").
#pragma once

#include "db/cursor.h"
#include "export/line_layout.h"
#include "export/terminal_record.h"

namespace skarvik {

struct ReaderRecord {
  Text<7> kind;      // not a column: "LESINT" or "LESEXT"
  Text<256> ZlsTrm;  // the owning terminal's name
  Text<6> ZlsLes;    // running number of the reader on its terminal
  Text<6> ZlsZko;
  Text<6> ZlsAus;
  Text<6> ZlsTfr;
  Text<6> ZlsTvr;
  Text<6> ZlsEin;  // group of eight readers
  Text<6> ZlsAdr;  // address within the group, 1 to 8
  Text<51> ZlsTxt;
  Text<11> ZlsKtx;
  Text<6> ZlsSta;
  Text<51> ZlsErf;  // creator, written as the import's own
};

extern const Query<ReaderRecord> kReaderQuery;

// The kind of the reader, then the fields of a ReaderRecord.
extern const LineLayout kReaderLine;

// The terminal table derives address and group number; the type table only
// copies the running number into an empty address.
enum class ReaderPass { kTerminals, kTypeTable };

// The reader block of one terminal: open, one line per reader, close.
void WriteReaderLines(Cursor<ReaderRecord>& readers, const TerminalRecord& terminal,
                      ReaderPass pass, LineSink& sink);

// "LESINT" for the reader at address 1, unless the model has no internal one.
const char* ReaderKind(std::string_view model, std::string_view address);

}  // namespace skarvik
