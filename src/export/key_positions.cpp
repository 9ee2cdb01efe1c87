#include "export/key_positions.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using K = KeyPosition;

constexpr Column<K> kColumns[] = {
    column<&K::TtaNum>("TtaNum"), column<&K::TtaTyp>("TtaTyp"), column<&K::TtaMnu>("TtaMnu"),
    column<&K::TtaTas>("TtaTas"), column<&K::TtaBch>("TtaBch"), column<&K::TtaPos>("TtaPos"),
    column<&K::TtaTxt>("TtaTxt"), column<&K::TtaDnc>("TtaDnc"), column<&K::TtaFtp>("TtaFtp"),
    column<&K::TtaDat>("TtaDat"), column<&K::TtaErf>("TtaErf"), column<&K::TtaF01>("TtaF01"),
    column<&K::TtaF02>("TtaF02"), column<&K::TtaF03>("TtaF03"), column<&K::TtaF04>("TtaF04"),
    column<&K::TtaF05>("TtaF05"), column<&K::TtaF06>("TtaF06"), column<&K::TtaF07>("TtaF07"),
    column<&K::TtaF08>("TtaF08"), column<&K::TtaF09>("TtaF09"), column<&K::TtaF10>("TtaF10"),
    column<&K::TtaF11>("TtaF11"), column<&K::TtaF12>("TtaF12"), column<&K::TtaFcd>("TtaFcd"),
    column<&K::TtaAps>("TtaAps"), column<&K::TtaTav>("TtaTav"),
};

// The old system's TtaAps is not what the newer one means by it: there it
// is the key's position. A key without a TtaTav has the newer system's 0.
void PrepareForImport(K& position) {
  position.TtaAps = position.TtaPos;
  if (position.TtaTav.empty()) position.TtaTav.assign("0");
  position.TtaErf.assign(kImportCreator);
}

}  // namespace

const Query<K> kKeyPositionQuery = {
    .cursor = CursorKind::kTstPos,
    .columns = kColumns,
    .columnsPerGroup = 4,
    .from = " FROM  VKSYSTEM.O2108Tta WHERE  TtaNum = '%s'",
    .afterFetch = &CutInto<&K::TtaTxt, &K::text>,
};

void WriteKeyPositionLine(LineSink& sink, K& p, const KeyTableHeader& header) {
  PrepareForImport(p);
  sink.writeLine({p.TtaNum.view(), header.TttTtp.view(), p.TtaMnu.view(), p.TtaTas.view(),
                  p.TtaBch.view(), p.TtaPos.view(),      p.text.view(),   p.TtaDnc.view(),
                  p.TtaFtp.view(), p.TtaDat.view(),      p.TtaErf.view(), p.TtaF01.view(),
                  p.TtaF02.view(), p.TtaF03.view(),      p.TtaF04.view(), p.TtaF05.view(),
                  p.TtaF06.view(), p.TtaF07.view(),      p.TtaF08.view(), p.TtaF09.view(),
                  p.TtaF10.view(), p.TtaF11.view(),      p.TtaF12.view(), p.TtaFcd.view(),
                  p.TtaAps.view(), p.TtaTav.view()});
}

}  // namespace skarvik
