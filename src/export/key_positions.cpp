#include "export/key_positions.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

using K = KeyPosition;

constexpr Column<K> kColumns[] = {
    column<&K::TtaNum>("TtaNum"),
    column<&K::TtaTyp>("TtaTyp", ColumnUse::kReadOnly),
    column<&K::TtaMnu>("TtaMnu"),
    column<&K::TtaTas>("TtaTas"),
    column<&K::TtaBch>("TtaBch"),
    column<&K::TtaPos>("TtaPos", ColumnUse::kRowKey),
    cutColumn<&K::TtaTxt, &K::text>("TtaTxt"),
    column<&K::TtaDnc>("TtaDnc"),
    column<&K::TtaFtp>("TtaFtp"),
    column<&K::TtaDat>("TtaDat"),
    column<&K::TtaErf>("TtaErf", ColumnUse::kReadOnly),
    column<&K::TtaF01>("TtaF01"),
    column<&K::TtaF02>("TtaF02"),
    column<&K::TtaF03>("TtaF03"),
    column<&K::TtaF04>("TtaF04"),
    column<&K::TtaF05>("TtaF05"),
    column<&K::TtaF06>("TtaF06"),
    column<&K::TtaF07>("TtaF07"),
    column<&K::TtaF08>("TtaF08"),
    column<&K::TtaF09>("TtaF09"),
    column<&K::TtaF10>("TtaF10"),
    column<&K::TtaF11>("TtaF11"),
    column<&K::TtaF12>("TtaF12"),
    column<&K::TtaFcd>("TtaFcd"),
    column<&K::TtaAps>("TtaAps", ColumnUse::kReadOnly),
    column<&K::TtaTav>("TtaTav"),
};

constexpr LineField kFields[] = {
    field<&K::TtaNum>("TtaNum", FieldRole::kKey),
    field<&K::model>("model"),  // the header's, not the line's own
    field<&K::TtaMnu>("TtaMnu"),
    field<&K::TtaTas>("TtaTas"),
    field<&K::TtaBch>("TtaBch"),
    field<&K::TtaPos>("TtaPos", FieldRole::kKey),
    field<&K::text>("TtaTxt"),
    field<&K::TtaDnc>("TtaDnc"),
    field<&K::TtaFtp>("TtaFtp"),
    field<&K::TtaDat>("TtaDat"),
    field<&K::TtaErf>("TtaErf", FieldRole::kCreator),
    field<&K::TtaF01>("TtaF01"),
    field<&K::TtaF02>("TtaF02"),
    field<&K::TtaF03>("TtaF03"),
    field<&K::TtaF04>("TtaF04"),
    field<&K::TtaF05>("TtaF05"),
    field<&K::TtaF06>("TtaF06"),
    field<&K::TtaF07>("TtaF07"),
    field<&K::TtaF08>("TtaF08"),
    field<&K::TtaF09>("TtaF09"),
    field<&K::TtaF10>("TtaF10"),
    field<&K::TtaF11>("TtaF11"),
    field<&K::TtaF12>("TtaF12"),
    field<&K::TtaFcd>("TtaFcd"),
    field<&K::TtaAps>("TtaAps"),
    field<&K::TtaTav>("TtaTav"),
};

// The old system's TtaAps is not what the newer one means by it: there it
// is the key's position. A key without a TtaTav has the newer system's 0.
void PrepareForImport(K& position, const KeyTableHeader& header) {
  position.model = header.TttTtp;
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
};

const LineLayout kKeyPositionLine = {.fields = kFields};

void WriteKeyPositionLine(LineSink& sink, K& p, const KeyTableHeader& header) {
  PrepareForImport(p, header);
  WriteLine(sink, kKeyPositionLine, p);
}

}  // namespace skarvik
