#include "export/key_export.h"

#include "export/key_model_table.h"
#include "export/key_positions.h"
#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using H = KeyTableHeader;

constexpr Column<H> kColumns[] = {
    column<&H::TttNam>("TttNam"), column<&H::TttTxt>("TttTxt"), column<&H::TttKtx>("TttKtx"),
    column<&H::TttSta>("TttSta"), column<&H::TttErf>("TttErf"), column<&H::TttDat>("TttDat"),
    column<&H::TttArt>("TttArt"), column<&H::TttTas>("TttTas"), column<&H::TttTtp>("TttTtp"),
};

const Query<H> kHeaderQuery = {
    .cursor = CursorKind::kTstKopf,
    .columns = kColumns,
    .columnsPerGroup = 3,
    .from = " FROM  VKSYSTEM.O2100TastTab",
    .afterFetch = &CutInto<&H::TttTxt, &H::text>,
};

// The key table's own model decides, not the model of the terminal type
// that uses it.
void PrepareHeader(H& header, const ModelString& /*typeModel*/) {
  header.nameCopy = header.TttNam;
  header.modelValue.assign(header.text.view());
  ApplyKeyModel(header);
  header.TttErf.assign(kImportCreator);
}

void WriteHeaderLine(LineSink& sink, const H& h) {
  sink.writeLine({h.TttNam.view(), h.text.view(), h.TttKtx.view(), h.TttSta.view(), h.TttErf.view(),
                  h.TttArt.view(), h.TttTas.view(), h.TttTtp.view(), h.unused.view(),
                  h.nameCopy.view(), h.modelValue.view(), h.TttDat.view()});
}

}  // namespace

const TablePairExport<H, KeyPosition> kKeyTables = {
    .files = {.headerPath = "TstKopf.dat",
              .headerWord = "TstTabKopfsatz",
              .positionPath = "TstPos.dat",
              .positionWord = "TstTabPostensatz"},
    .headers = kHeaderQuery,
    .positions = kKeyPositionQuery,
    .assignedBy = AssignedBy::kTsmTas,
    .skipWord = "Tasttab.",
    .name = &H::TttNam,
    .prepareHeader = &PrepareHeader,
    .writeHeader = &WriteHeaderLine,
    .writePosition = &WriteKeyPositionLine,
};

}  // namespace skarvik
