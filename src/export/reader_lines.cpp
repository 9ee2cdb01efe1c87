#include "export/reader_lines.h"

#include <cstdlib>
#include <string>

#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<ReaderRecord> kColumns[] = {
    column<&ReaderRecord::ZlsTrm>("ZlsTrm"),
    column<&ReaderRecord::ZlsLes>("ZlsLes", ColumnUse::kRowKey),
    column<&ReaderRecord::ZlsZko>("ZlsZko"),
    column<&ReaderRecord::ZlsAus>("ZlsAus"),
    column<&ReaderRecord::ZlsTfr>("ZlsTfr"),
    column<&ReaderRecord::ZlsTvr>("ZlsTvr"),
    column<&ReaderRecord::ZlsEin>("ZlsEin"),
    column<&ReaderRecord::ZlsAdr>("ZlsAdr"),
    column<&ReaderRecord::ZlsTxt>("ZlsTxt"),
    column<&ReaderRecord::ZlsKtx>("ZlsKtx"),
    column<&ReaderRecord::ZlsSta>("ZlsSta"),
    column<&ReaderRecord::ZlsErf>("ZlsErf", ColumnUse::kReadOnly),
};

constexpr int kReadersPerGroup = 8;

// C semantics on purpose: truncating division and a remainder with the sign
// of the running number, as the old system numbered its readers.
void DeriveAddress(ReaderRecord& reader) {
  const int n = std::atoi(reader.ZlsLes.c_str());
  if (reader.ZlsAdr.empty()) {
    reader.ZlsAdr.assign(std::to_string((n - 1) % kReadersPerGroup + 1));
  }
  if (reader.ZlsEin.empty()) {
    reader.ZlsEin.assign(std::to_string((n - 1) / kReadersPerGroup + 1));
  }
}

void FillEmptyFields(ReaderRecord& reader, ReaderPass pass) {
  if (pass == ReaderPass::kTerminals) {
    DeriveAddress(reader);
  } else if (reader.ZlsAdr.empty()) {
    reader.ZlsAdr = reader.ZlsLes;
  }
}

constexpr LineField kReaderFields[] = {
    field<&ReaderRecord::kind>("reader kind"),
    field<&ReaderRecord::ZlsTrm>("ZlsTrm", FieldRole::kKey),
    field<&ReaderRecord::ZlsLes>("ZlsLes", FieldRole::kKey),
    field<&ReaderRecord::ZlsZko>("ZlsZko"),
    field<&ReaderRecord::ZlsAus>("ZlsAus"),
    field<&ReaderRecord::ZlsTfr>("ZlsTfr"),
    field<&ReaderRecord::ZlsTvr>("ZlsTvr"),
    field<&ReaderRecord::ZlsEin>("ZlsEin"),
    field<&ReaderRecord::ZlsAdr>("ZlsAdr"),
    field<&ReaderRecord::ZlsTxt>("ZlsTxt"),
    field<&ReaderRecord::ZlsKtx>("ZlsKtx"),
    field<&ReaderRecord::ZlsSta>("ZlsSta"),
    field<&ReaderRecord::ZlsErf>("ZlsErf", FieldRole::kCreator),
};

}  // namespace

namespace {

// The readers of a terminal are looked up by its name, in both passes.
constexpr ColumnOfQuery kLookedUpBy[] = {{.cursor = CursorKind::kTerminals, .column = "TrmNam"},
                                         {.cursor = CursorKind::kTypeTable, .column = "TsmNam"}};

}  // namespace

const Query<ReaderRecord> kReaderQuery = {
    .cursor = CursorKind::kReaders,
    .columns = kColumns,
    .columnsPerGroup = 5,
    .from = " FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '%s'",
    .keyFrom = kLookedUpBy,
};

const LineLayout kReaderLine = {.fields = kReaderFields};

const char* ReaderKind(std::string_view model, std::string_view address) {
  return HasInternalReader(model) && address == "1" ? "LESINT" : "LESEXT";
}

void WriteReaderLines(Cursor<ReaderRecord>& readers, const TerminalRecord& terminal,
                      ReaderPass pass, LineSink& sink) {
  for (ReaderRecord& reader : readers.rows(terminal.TrmNam.view())) {
    FillEmptyFields(reader, pass);
    reader.ZlsErf.assign(kImportCreator);
    reader.kind.assign(ReaderKind(terminal.TrmMod.view(), reader.ZlsAdr.view()));
    WriteLine(sink, kReaderLine, reader);
  }
}

}  // namespace skarvik
