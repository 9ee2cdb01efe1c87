#include "export/device_export.h"

#include "db/cursor.h"
#include "export/communication_parameters.h"
#include "export/output_file.h"
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
      WriteTrmLine(sink, terminal);
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
    WriteTrmLine(sink, type);
    WriteReaderLines(readers, type, ReaderPass::kTypeTable, sink);
  }
}

}  // namespace

void WriteDeviceLines(Session& session, LineSink& sink) {
  Cursor<ReaderRecord> readers(session, kReaderQuery);
  WriteTerminals(session, readers, sink);
  if (!session.specialSource()) WriteTypeTableTerminals(session, readers, sink);
}

bool ExportDevices(Session& session) {
  OutputFile file("Device.dat", "Terminals");
  if (!file.isOpen()) return false;
  WriteDeviceLines(session, file);
  return file.finish();
}

}  // namespace skarvik
