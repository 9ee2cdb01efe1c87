#include "export/reader_lines.h"

#include <cstdlib>
#include <string>

#include "export/model_codes.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using Z = ReaderRecord;

constexpr Column<Z> kColumns[] = {
    column<&Z::ZlsTrm>("ZlsTrm"), column<&Z::ZlsLes>("ZlsLes", ColumnUse::kRowKey),
    column<&Z::ZlsZko>("ZlsZko"), column<&Z::ZlsAus>("ZlsAus"),
    column<&Z::ZlsTfr>("ZlsTfr"), column<&Z::ZlsTvr>("ZlsTvr"),
    column<&Z::ZlsEin>("ZlsEin"), column<&Z::ZlsAdr>("ZlsAdr"),
    column<&Z::ZlsTxt>("ZlsTxt"), column<&Z::ZlsKtx>("ZlsKtx"),
    column<&Z::ZlsSta>("ZlsSta"), column<&Z::ZlsErf>("ZlsErf", ColumnUse::kReadOnly),
};

constexpr int kReadersPerGroup = 8;

// C semantics on purpose: truncating division and a remainder with the sign
// of the running number, as the old system numbered its readers.
void DeriveAddress(Z& reader) {
  const int n = std::atoi(reader.ZlsLes.c_str());
  if (reader.ZlsAdr.empty()) {
    reader.ZlsAdr.assign(std::to_string((n - 1) % kReadersPerGroup + 1));
  }
  if (reader.ZlsEin.empty()) {
    reader.ZlsEin.assign(std::to_string((n - 1) / kReadersPerGroup + 1));
  }
}

void FillEmptyFields(Z& reader, ReaderPass pass) {
  if (pass == ReaderPass::kTerminals) {
    DeriveAddress(reader);
  } else if (reader.ZlsAdr.empty()) {
    reader.ZlsAdr = reader.ZlsLes;
  }
}

constexpr LineField kReaderFields[] = {
    field<&Z::kind>("reader kind"),
    field<&Z::ZlsTrm>("ZlsTrm", FieldRole::kKey),
    field<&Z::ZlsLes>("ZlsLes", FieldRole::kKey),
    field<&Z::ZlsZko>("ZlsZko"),
    field<&Z::ZlsAus>("ZlsAus"),
    field<&Z::ZlsTfr>("ZlsTfr"),
    field<&Z::ZlsTvr>("ZlsTvr"),
    field<&Z::ZlsEin>("ZlsEin"),
    field<&Z::ZlsAdr>("ZlsAdr"),
    field<&Z::ZlsTxt>("ZlsTxt"),
    field<&Z::ZlsKtx>("ZlsKtx"),
    field<&Z::ZlsSta>("ZlsSta"),
    field<&Z::ZlsErf>("ZlsErf", FieldRole::kCreator),
};

}  // namespace

const Query<ReaderRecord> kReaderQuery = {
    .cursor = CursorKind::kReader,
    .columns = kColumns,
    .columnsPerGroup = 5,
    .from = " FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '%s'",
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
