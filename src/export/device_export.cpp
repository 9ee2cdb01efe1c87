#include "export/device_export.h"

#include "db/cursor.h"
#include "export/communication_parameters.h"
#include "export/reader_lines.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

// A terminal without a communication row gets no TRM line, but its readers
// are written all the same.
void WriteTerminals(Session& session, Cursor<ReaderRecord>& readers, LineSink& sink) {
  Cursor<TerminalRecord> terminals(session, kTerminalQuery);
  CommunicationLookup communication(session);
  for (TerminalRecord& terminal : terminals.rows()) {
    if (communication.SQL_GetComParm(terminal)) {
      terminal.TrmErf.assign(kImportCreator);
      WriteLine(sink, kTrmLine, terminal);
    }
    WriteReaderLines(readers, terminal, ReaderPass::kTerminals, sink);
  }
}

// Every type row gets its TRM line: the type table has no communication
// parameters to miss.
void WriteTypeTableTerminals(Session& session, Cursor<ReaderRecord>& readers, LineSink& sink) {
  Cursor<TerminalRecord> types(session, kTypeTableQuery);
  for (TerminalRecord& type : types.rows()) {
    type.TrmErf.assign(kTypeTableCreator);
    WriteLine(sink, kTrmLine, type);
    WriteReaderLines(readers, type, ReaderPass::kTypeTable, sink);
  }
}

}  // namespace

void WriteDeviceLines(Session& session, LineSink& sink) {
  Cursor<ReaderRecord> readers(session, kReaderQuery);
  WriteTerminals(session, readers, sink);
  if (RunsOn(kTypeTableQuery.cursor, session)) WriteTypeTableTerminals(session, readers, sink);
}

}  // namespace skarvik
