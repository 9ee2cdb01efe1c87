#include "export/key_export.h"

#include "db/cursor.h"
#include "export/key_model_table.h"
#include "export/key_positions.h"
#include "export/output_file.h"
#include "export/table_files.h"
#include "export/terminal_assignment.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = KeyTableHeader;

constexpr Column<H> kColumns[] = {
    column<&H::TttNam>("TttNam"), column<&H::TttTxt>("TttTxt"), column<&H::TttKtx>("TttKtx"),
    column<&H::TttSta>("TttSta"), column<&H::TttErf>("TttErf"), column<&H::TttDat>("TttDat"),
    column<&H::TttArt>("TttArt"), column<&H::TttTas>("TttTas"), column<&H::TttTtp>("TttTtp"),
};

// The newer system keeps 30 characters of a table's text; the blanks the
// cut may leave at the end go as well.
void CutText(H& header) {
  header.text.assign(header.TttTxt.view());
  header.text.rtrim();
}

const Query<H> kHeaderQuery = {CursorKind::kTstKopf, kColumns, 3, " FROM  VKSYSTEM.O2100TastTab",
                               &CutText};

bool IsUsedByATerminal(Session& session, const H& header) {
  ModelString unused;
  return SQL_GetTerm(session, header.TttNam.view(), unused, AssignedBy::kTsmTas) == 0;
}

void PrepareForImport(H& header) {
  header.nameCopy = header.TttNam;
  header.modelValue.assign(header.text.view());
  ApplyKeyModel(header);
  header.TttErf.assign(kImportCreator);
}

void WriteHeaderLine(OutputFile& file, const H& h) {
  file.writeLine({h.TttNam.view(), h.text.view(), h.TttKtx.view(), h.TttSta.view(), h.TttErf.view(),
                  h.TttArt.view(), h.TttTas.view(), h.TttTtp.view(), h.unused.view(),
                  h.nameCopy.view(), h.modelValue.view(), h.TttDat.view()});
}

void WriteTables(Session& session, OutputFile& headerFile, OutputFile& positionFile) {
  Cursor<H> headers(session, kHeaderQuery);
  Cursor<KeyPosition> positions(session, kKeyPositionQuery);
  headers.open();
  H header;
  while (headers.fetch(header) == 0) {
    if (!IsUsedByATerminal(session, header)) {
      LogUnassignedTable("Tasttab.", header.TttNam.c_str());
      continue;
    }
    PrepareForImport(header);
    WriteHeaderLine(headerFile, header);
    WriteKeyPositions(positions, header, positionFile);
  }
  headers.close();
}

}  // namespace

int ExportKeyTables(Session& session) {
  return ExportFilePair({"TstKopf.dat", "TstTabKopfsatz", "TstPos.dat", "TstTabPostensatz"},
                        [&](OutputFile& headers, OutputFile& positions) {
                          WriteTables(session, headers, positions);
                        });
}

}  // namespace skarvik
