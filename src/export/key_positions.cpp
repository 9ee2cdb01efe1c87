#include "export/key_positions.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<KeyPosition> kColumns[] = {
    column<&KeyPosition::TtaNum>("TtaNum"),
    column<&KeyPosition::TtaTyp>("TtaTyp", ColumnUse::kReadOnly),
    column<&KeyPosition::TtaMnu>("TtaMnu"),
    column<&KeyPosition::TtaTas>("TtaTas"),
    column<&KeyPosition::TtaBch>("TtaBch"),
    column<&KeyPosition::TtaPos>("TtaPos", ColumnUse::kRowKey),
    cutColumn<&KeyPosition::TtaTxt, &KeyPosition::text>("TtaTxt"),
    column<&KeyPosition::TtaDnc>("TtaDnc"),
    column<&KeyPosition::TtaFtp>("TtaFtp"),
    column<&KeyPosition::TtaDat>("TtaDat"),
    column<&KeyPosition::TtaErf>("TtaErf", ColumnUse::kReadOnly),
    column<&KeyPosition::TtaF01>("TtaF01"),
    column<&KeyPosition::TtaF02>("TtaF02"),
    column<&KeyPosition::TtaF03>("TtaF03"),
    column<&KeyPosition::TtaF04>("TtaF04"),
    column<&KeyPosition::TtaF05>("TtaF05"),
    column<&KeyPosition::TtaF06>("TtaF06"),
    column<&KeyPosition::TtaF07>("TtaF07"),
    column<&KeyPosition::TtaF08>("TtaF08"),
    column<&KeyPosition::TtaF09>("TtaF09"),
    column<&KeyPosition::TtaF10>("TtaF10"),
    column<&KeyPosition::TtaF11>("TtaF11"),
    column<&KeyPosition::TtaF12>("TtaF12"),
    column<&KeyPosition::TtaFcd>("TtaFcd"),
    column<&KeyPosition::TtaAps>("TtaAps", ColumnUse::kReadOnly),
    column<&KeyPosition::TtaTav>("TtaTav"),
};

constexpr LineField kFields[] = {
    field<&KeyPosition::TtaNum>("TtaNum", FieldRole::kKey),
    field<&KeyPosition::model>("model"),  // the header's, not the line's own
    field<&KeyPosition::TtaMnu>("TtaMnu"),
    field<&KeyPosition::TtaTas>("TtaTas"),
    field<&KeyPosition::TtaBch>("TtaBch"),
    field<&KeyPosition::TtaPos>("TtaPos", FieldRole::kKey),
    field<&KeyPosition::text>("TtaTxt"),
    field<&KeyPosition::TtaDnc>("TtaDnc"),
    field<&KeyPosition::TtaFtp>("TtaFtp"),
    field<&KeyPosition::TtaDat>("TtaDat"),
    field<&KeyPosition::TtaErf>("TtaErf", FieldRole::kCreator),
    field<&KeyPosition::TtaF01>("TtaF01"),
    field<&KeyPosition::TtaF02>("TtaF02"),
    field<&KeyPosition::TtaF03>("TtaF03"),
    field<&KeyPosition::TtaF04>("TtaF04"),
    field<&KeyPosition::TtaF05>("TtaF05"),
    field<&KeyPosition::TtaF06>("TtaF06"),
    field<&KeyPosition::TtaF07>("TtaF07"),
    field<&KeyPosition::TtaF08>("TtaF08"),
    field<&KeyPosition::TtaF09>("TtaF09"),
    field<&KeyPosition::TtaF10>("TtaF10"),
    field<&KeyPosition::TtaF11>("TtaF11"),
    field<&KeyPosition::TtaF12>("TtaF12"),
    field<&KeyPosition::TtaFcd>("TtaFcd"),
    field<&KeyPosition::TtaAps>("TtaAps"),
    field<&KeyPosition::TtaTav>("TtaTav"),
};

// The old system's TtaAps is not what the newer one means by it: there it
// is the key's position. A key without a TtaTav has the newer system's 0.
void PrepareForImport(KeyPosition& position, const KeyTableHeader& header) {
  position.model = header.TttTtp;
  position.TtaAps = position.TtaPos;
  if (position.TtaTav.empty()) position.TtaTav.assign("0");
  position.TtaErf.assign(kImportCreator);
}

}  // namespace

namespace {

constexpr ColumnOfQuery kPositionsOf[] = {{.cursor = CursorKind::kKeyHeaders, .column = "TttNam"}};

}  // namespace

const Query<KeyPosition> kKeyPositionQuery = {
    .cursor = CursorKind::kKeyPositions,
    .columns = kColumns,
    .columnsPerGroup = 4,
    .from = " FROM  VKSYSTEM.O2108Tta WHERE  TtaNum = '%s'",
    .keyFrom = kPositionsOf,
};

const LineLayout kKeyPositionLine = {.fields = kFields};

void WriteKeyPositionLine(LineSink& sink, KeyPosition& p, const KeyTableHeader& header) {
  PrepareForImport(p, header);
  WriteLine(sink, kKeyPositionLine, p);
}

}  // namespace skarvik
