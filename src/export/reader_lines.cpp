#include "export/reader_lines.h"

#include <cstdlib>
#include <string>

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using Z = ReaderRecord;

constexpr Column<Z> kColumns[] = {
    column<&Z::ZlsTrm>("ZlsTrm"), column<&Z::ZlsLes>("ZlsLes"), column<&Z::ZlsZko>("ZlsZko"),
    column<&Z::ZlsAus>("ZlsAus"), column<&Z::ZlsTfr>("ZlsTfr"), column<&Z::ZlsTvr>("ZlsTvr"),
    column<&Z::ZlsEin>("ZlsEin"), column<&Z::ZlsAdr>("ZlsAdr"), column<&Z::ZlsTxt>("ZlsTxt"),
    column<&Z::ZlsKtx>("ZlsKtx"), column<&Z::ZlsSta>("ZlsSta"), column<&Z::ZlsErf>("ZlsErf"),
};

// Models whose reader at address 1 is not built in.
constexpr std::string_view kModelsWithoutInternalReader[] = {"8316-301", "8359-002", "8374-010",
                                                             "8374-614"};
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

void WriteReaderLine(LineSink& sink, const char* kind, const Z& z) {
  sink.writeLine({kind, z.ZlsTrm.view(), z.ZlsLes.view(), z.ZlsZko.view(), z.ZlsAus.view(),
                  z.ZlsTfr.view(), z.ZlsTvr.view(), z.ZlsEin.view(), z.ZlsAdr.view(),
                  z.ZlsTxt.view(), z.ZlsKtx.view(), z.ZlsSta.view(), z.ZlsErf.view()});
}

}  // namespace

const Query<ReaderRecord> kReaderQuery = {
    .cursor = CursorKind::kReader,
    .columns = kColumns,
    .columnsPerGroup = 5,
    .from = " FROM  VKSYSTEM.Vks401Zls  WHERE  ZlsTrm = '%s'",
};

const char* ReaderKind(std::string_view model, std::string_view address) {
  for (const std::string_view excluded : kModelsWithoutInternalReader) {
    if (model == excluded) return "LESEXT";
  }
  return address == "1" ? "LESINT" : "LESEXT";
}

void WriteReaderLines(Cursor<ReaderRecord>& readers, const TerminalRecord& terminal,
                      ReaderPass pass, LineSink& sink) {
  for (ReaderRecord& reader : readers.rows(terminal.TrmNam.view())) {
    FillEmptyFields(reader, pass);
    reader.ZlsErf.assign(kImportCreator);
    WriteReaderLine(sink, ReaderKind(terminal.TrmMod.view(), reader.ZlsAdr.view()), reader);
  }
}

}  // namespace skarvik
