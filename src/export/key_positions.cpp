#include "export/key_positions.h"

#include "export/terminal_lines.h"

namespace skarvik {
namespace {

constexpr Column<KeyPosition> kColumns[] = {
    ColumnOf<&KeyPosition::TtaNum>("TtaNum"),
    ColumnOf<&KeyPosition::TtaTyp>("TtaTyp", ColumnUse::kReadOnly),
    ColumnOf<&KeyPosition::TtaMnu>("TtaMnu"),
    ColumnOf<&KeyPosition::TtaTas>("TtaTas"),
    ColumnOf<&KeyPosition::TtaBch>("TtaBch"),
    ColumnOf<&KeyPosition::TtaPos>("TtaPos", ColumnUse::kRowKey),
    CutColumn<&KeyPosition::TtaTxt, &KeyPosition::text>("TtaTxt"),
    ColumnOf<&KeyPosition::TtaDnc>("TtaDnc"),
    ColumnOf<&KeyPosition::TtaFtp>("TtaFtp"),
    ColumnOf<&KeyPosition::TtaDat>("TtaDat"),
    ColumnOf<&KeyPosition::TtaErf>("TtaErf", ColumnUse::kReadOnly),
    ColumnOf<&KeyPosition::TtaF01>("TtaF01"),
    ColumnOf<&KeyPosition::TtaF02>("TtaF02"),
    ColumnOf<&KeyPosition::TtaF03>("TtaF03"),
    ColumnOf<&KeyPosition::TtaF04>("TtaF04"),
    ColumnOf<&KeyPosition::TtaF05>("TtaF05"),
    ColumnOf<&KeyPosition::TtaF06>("TtaF06"),
    ColumnOf<&KeyPosition::TtaF07>("TtaF07"),
    ColumnOf<&KeyPosition::TtaF08>("TtaF08"),
    ColumnOf<&KeyPosition::TtaF09>("TtaF09"),
    ColumnOf<&KeyPosition::TtaF10>("TtaF10"),
    ColumnOf<&KeyPosition::TtaF11>("TtaF11"),
    ColumnOf<&KeyPosition::TtaF12>("TtaF12"),
    ColumnOf<&KeyPosition::TtaFcd>("TtaFcd"),
    ColumnOf<&KeyPosition::TtaAps>("TtaAps", ColumnUse::kReadOnly),
    ColumnOf<&KeyPosition::TtaTav>("TtaTav"),
};

constexpr LineField kFields[] = {
    Field<&KeyPosition::TtaNum>("TtaNum", FieldRole::kKey),
    Field<&KeyPosition::model>("model"),  // the header's, not the line's own
    Field<&KeyPosition::TtaMnu>("TtaMnu"),
    Field<&KeyPosition::TtaTas>("TtaTas"),
    Field<&KeyPosition::TtaBch>("TtaBch"),
    Field<&KeyPosition::TtaPos>("TtaPos", FieldRole::kKey),
    Field<&KeyPosition::text>("TtaTxt"),
    Field<&KeyPosition::TtaDnc>("TtaDnc"),
    Field<&KeyPosition::TtaFtp>("TtaFtp"),
    Field<&KeyPosition::TtaDat>("TtaDat"),
    Field<&KeyPosition::TtaErf>("TtaErf", FieldRole::kCreator),
    Field<&KeyPosition::TtaF01>("TtaF01"),
    Field<&KeyPosition::TtaF02>("TtaF02"),
    Field<&KeyPosition::TtaF03>("TtaF03"),
    Field<&KeyPosition::TtaF04>("TtaF04"),
    Field<&KeyPosition::TtaF05>("TtaF05"),
    Field<&KeyPosition::TtaF06>("TtaF06"),
    Field<&KeyPosition::TtaF07>("TtaF07"),
    Field<&KeyPosition::TtaF08>("TtaF08"),
    Field<&KeyPosition::TtaF09>("TtaF09"),
    Field<&KeyPosition::TtaF10>("TtaF10"),
    Field<&KeyPosition::TtaF11>("TtaF11"),
    Field<&KeyPosition::TtaF12>("TtaF12"),
    Field<&KeyPosition::TtaFcd>("TtaFcd"),
    Field<&KeyPosition::TtaAps>("TtaAps"),
    Field<&KeyPosition::TtaTav>("TtaTav"),
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
