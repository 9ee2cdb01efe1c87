#include "export/balance_export.h"

#include "db/cursor.h"
#include "export/balance_records.h"
#include "export/output_file.h"
#include "export/table_files.h"
#include "export/terminal_assignment.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = BalanceTableHeader;
using P = BalancePosition;

constexpr Column<H> kHeaderColumns[] = {
    column<&H::TslNam>("TslNam"), column<&H::TslDau>("TslDau"), column<&H::TslTxt>("TslTxt"),
    column<&H::TslSta>("TslSta"), column<&H::TslDat>("TslDat"), column<&H::TslErf>("TslErf"),
};

constexpr Column<P> kPositionColumns[] = {
    column<&P::TsaSal>("TsaSal"), column<&P::TsaLfd>("TsaLfd"), column<&P::TsaAnz>("TsaAnz"),
    column<&P::TsaAus>("TsaAus"), column<&P::TsaSta>("TsaSta"), column<&P::TsaErf>("TsaErf"),
    column<&P::TsaDat>("TsaDat"), column<&P::TsaSpl>("TsaSpl"),
};

// The newer system keeps 30 characters of a table's text; the blanks the
// cut may leave at the end go as well.
void CutText(H& header) {
  header.text.assign(header.TslTxt.view());
  header.text.rtrim();
}

const Query<H> kHeaderQuery = {CursorKind::kSldKopf, kHeaderColumns, 3,
                               "  FROM  VKSYSTEM.O2101SalTab", &CutText};
const Query<P> kPositionQuery = {CursorKind::kSldPos, kPositionColumns, 3,
                                 " FROM  VKSYSTEM.G2101SalLst WHERE  TsaSal = '%s'"};

void WriteHeaderLine(OutputFile& file, const H& h) {
  file.writeLine({h.TslNam.view(), h.model.view(), h.TslDau.view(), h.text.view(), h.TslSta.view(),
                  h.TslDat.view(), h.TslErf.view()});
}

void WritePositionLine(OutputFile& file, const P& p) {
  file.writeLine({p.TsaSal.view(), p.TsaLfd.view(), p.TsaAnz.view(), p.TsaAus.view(),
                  p.TsaSta.view(), p.TsaDat.view(), p.TsaErf.view(), p.TsaSpl.view(),
                  p.reserve1.view(), p.reserve2.view()});
}

// A failed position query has been logged by the cursor; the table keeps
// the lines written before it.
void WritePositions(Cursor<P>& positions, const H& header, OutputFile& file) {
  positions.open(header.TslNam.view());
  P position;
  while (positions.fetch(position) == 0) {
    position.TsaErf.assign(kImportCreator);
    WritePositionLine(file, position);
  }
  positions.close();
}

// 0 with the table's model in the header, or the table is not used.
int FindModel(Session& session, H& header) {
  ModelString model;
  const int result = SQL_GetTerm(session, header.TslNam.view(), model, AssignedBy::kTsmSal);
  if (result == 0) header.model.assign(model.view());
  return result;
}

void WriteTables(Session& session, OutputFile& headerFile, OutputFile& positionFile) {
  Cursor<H> headers(session, kHeaderQuery);
  Cursor<P> positions(session, kPositionQuery);
  headers.open();
  H header;
  while (headers.fetch(header) == 0) {
    if (FindModel(session, header) != 0) {
      LogUnassignedTable("Saldotab.", header.TslNam.c_str());
      continue;
    }
    header.TslErf.assign(kImportCreator);
    WriteHeaderLine(headerFile, header);
    WritePositions(positions, header, positionFile);
  }
  headers.close();
}

}  // namespace

int ExportBalanceTables(Session& session) {
  return ExportFilePair({"SldKopf.dat", "SaldoKopfsatz", "SldPos.dat", "SaldoPostensatz"},
                        [&](OutputFile& headers, OutputFile& positions) {
                          WriteTables(session, headers, positions);
                        });
}

}  // namespace skarvik
