#include "export/reader_lines.h"

#include <cstdlib>
#include <string>

#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<ReaderRecord> kColumns[] = {
    ColumnOf<&ReaderRecord::ZlsTrm>("ZlsTrm"),
    ColumnOf<&ReaderRecord::ZlsLes>("ZlsLes", ColumnUse::kRowKey),
    ColumnOf<&ReaderRecord::ZlsZko>("ZlsZko"),
    ColumnOf<&ReaderRecord::ZlsAus>("ZlsAus"),
    ColumnOf<&ReaderRecord::ZlsTfr>("ZlsTfr"),
    ColumnOf<&ReaderRecord::ZlsTvr>("ZlsTvr"),
    ColumnOf<&ReaderRecord::ZlsEin>("ZlsEin"),
    ColumnOf<&ReaderRecord::ZlsAdr>("ZlsAdr"),
    ColumnOf<&ReaderRecord::ZlsTxt>("ZlsTxt"),
    ColumnOf<&ReaderRecord::ZlsKtx>("ZlsKtx"),
    ColumnOf<&ReaderRecord::ZlsSta>("ZlsSta"),
    ColumnOf<&ReaderRecord::ZlsErf>("ZlsErf", ColumnUse::kReadOnly),
};

constexpr int kReadersPerGroup = 8;

// C semantics on purpose: truncating division and a remainder with the sign
// of the running number, as the old system numbered its readers.
void DeriveAddress(ReaderRecord& reader) {
  const int n = std::atoi(reader.ZlsLes.cStr());
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
    Field<&ReaderRecord::kind>("reader kind"),
    Field<&ReaderRecord::ZlsTrm>("ZlsTrm", FieldRole::kKey),
    Field<&ReaderRecord::ZlsLes>("ZlsLes", FieldRole::kKey),
    Field<&ReaderRecord::ZlsZko>("ZlsZko"),
    Field<&ReaderRecord::ZlsAus>("ZlsAus"),
    Field<&ReaderRecord::ZlsTfr>("ZlsTfr"),
    Field<&ReaderRecord::ZlsTvr>("ZlsTvr"),
    Field<&ReaderRecord::ZlsEin>("ZlsEin"),
    Field<&ReaderRecord::ZlsAdr>("ZlsAdr"),
    Field<&ReaderRecord::ZlsTxt>("ZlsTxt"),
    Field<&ReaderRecord::ZlsKtx>("ZlsKtx"),
    Field<&ReaderRecord::ZlsSta>("ZlsSta"),
    Field<&ReaderRecord::ZlsErf>("ZlsErf", FieldRole::kCreator),
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
