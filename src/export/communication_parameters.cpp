#include "export/communication_parameters.h"

#include <string>

namespace skarvik {
namespace {

constexpr Column<CommunicationParameters> kColumns[] = {
    ColumnOf<&CommunicationParameters::ComIpa>("ComIpa"),
    ColumnOf<&CommunicationParameters::ComGat>("ComGat"),
    ColumnOf<&CommunicationParameters::ComShs>("ComShs"),
    ColumnOf<&CommunicationParameters::ComEvp>("ComEvp"),
    ColumnOf<&CommunicationParameters::ComTmp>("ComTmp"),
    ColumnOf<&CommunicationParameters::ComSub>("ComSub"),
    ColumnOf<&CommunicationParameters::ComTwx>("ComTwx"),
    ColumnOf<&CommunicationParameters::ComPor>("ComPor"),
    ColumnOf<&CommunicationParameters::ComSch>("ComSch"),
    ColumnOf<&CommunicationParameters::ComSto>("ComSto"),
    ColumnOf<&CommunicationParameters::ComLkn>("ComLkn"),
    ColumnOf<&CommunicationParameters::ComVor>("ComVor"),
    ColumnOf<&CommunicationParameters::ComTel>("ComTel"),
    ColumnOf<&CommunicationParameters::ComDwl>("ComDwl"),
    ColumnOf<&CommunicationParameters::ComGid>("ComGid"),
    ColumnOf<&CommunicationParameters::ComLer>("ComLer"),
};

// A dial number too long for its field stays empty rather than cut: a cut
// number would dial somebody else.
void JoinDialNumber(CommunicationParameters& row) {
  const std::size_t length = row.ComLkn.size() + row.ComVor.size() + row.ComTel.size();
  if (length > row.dialNumber.kCapacity) return;
  std::string joined;
  joined.append(row.ComLkn.view()).append(row.ComVor.view()).append(row.ComTel.view());
  row.dialNumber.assign(joined);
}

// Looked up by the name of each terminal of the terminal table; the type
// table's terminals have no communication row.
constexpr ColumnOfQuery kLookedUpBy[] = {{.cursor = CursorKind::kTerminals, .column = "TrmNam"}};

}  // namespace

const Query<CommunicationParameters> kCommunicationQuery = {
    .cursor = CursorKind::kCommunication,
    .columns = kColumns,
    .columnsPerGroup = 4,
    .from = "  FROM  VKSYSTEM.Vks1140Com  WHERE  ComNam = '%s'",
    .afterFetch = &JoinDialNumber,
    .keyFrom = kLookedUpBy,
};

bool CommunicationLookup::SQL_GetComParm(TerminalRecord& terminal) {
  const std::optional<CommunicationParameters> row = cursor_.first(terminal.TrmNam.view());
  if (row) terminal.com = *row;
  return row.has_value();
}

}  // namespace skarvik
