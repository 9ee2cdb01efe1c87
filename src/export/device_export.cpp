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
void WriteTerminals(Session& session, Cursor<ReaderRecord>& readers, OutputFile& file) {
  Cursor<TerminalRecord> terminals(session, kTerminalQuery);
  CommunicationLookup communication(session);
  terminals.open();
  TerminalRecord terminal;
  while (terminals.fetch(terminal) == 0) {
    if (communication.SQL_GetComParm(terminal) == 0) {
      terminal.TrmErf.assign(kImportCreator);
      WriteTrmLine(file, terminal);
    }
    WriteReaderLines(readers, terminal, ReaderPass::kTerminals, file);
  }
  terminals.close();
}

void WriteTypeTableTerminals(Session& session, Cursor<ReaderRecord>& readers, OutputFile& file) {
  Cursor<TerminalRecord> types(session, kTypeTableQuery);
  if (types.open() != 0) {
    types.close();
    return;
  }
  TerminalRecord type;
  while (types.fetch(type) == 0) {
    type.TrmErf.assign(kTypeTableCreator);
    WriteTrmLine(file, type);
    WriteReaderLines(readers, type, ReaderPass::kTypeTable, file);
  }
  types.close();
}

}  // namespace

int ExportDevices(Session& session) {
  OutputFile file("Device.dat", "Terminals");
  if (!file.isOpen()) return kOutputFileFailed;
  Cursor<ReaderRecord> readers(session, kReaderQuery);
  WriteTerminals(session, readers, file);
  if (!session.specialSource()) WriteTypeTableTerminals(session, readers, file);
  return file.finish() ? 0 : kOutputFileFailed;
}

}  // namespace skarvik
