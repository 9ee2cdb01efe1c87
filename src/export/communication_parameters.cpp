#include "export/communication_parameters.h"

#include <string>

namespace skarvik {
namespace {

using C = CommunicationParameters;

constexpr Column<C> kColumns[] = {
    column<&C::ComIpa>("ComIpa"), column<&C::ComGat>("ComGat"), column<&C::ComShs>("ComShs"),
    column<&C::ComEvp>("ComEvp"), column<&C::ComTmp>("ComTmp"), column<&C::ComSub>("ComSub"),
    column<&C::ComTwx>("ComTwx"), column<&C::ComPor>("ComPor"), column<&C::ComSch>("ComSch"),
    column<&C::ComSto>("ComSto"), column<&C::ComLkn>("ComLkn"), column<&C::ComVor>("ComVor"),
    column<&C::ComTel>("ComTel"), column<&C::ComDwl>("ComDwl"), column<&C::ComGid>("ComGid"),
    column<&C::ComLer>("ComLer"),
};

// A dial number too long for its field stays empty rather than cut: a cut
// number would dial somebody else.
void JoinDialNumber(C& row) {
  const std::size_t length = row.ComLkn.size() + row.ComVor.size() + row.ComTel.size();
  if (length > row.dialNumber.kCapacity) return;
  std::string joined;
  joined.append(row.ComLkn.view()).append(row.ComVor.view()).append(row.ComTel.view());
  row.dialNumber.assign(joined);
}

}  // namespace

const Query<C> kCommunicationQuery = {
    .cursor = CursorKind::kComParm,
    .columns = kColumns,
    .columnsPerGroup = 4,
    .from = "  FROM  VKSYSTEM.Vks1140Com  WHERE  ComNam = '%s'",
    .afterFetch = &JoinDialNumber,
};

bool CommunicationLookup::SQL_GetComParm(TerminalRecord& terminal) {
  const std::optional<C> row = cursor_.first(terminal.TrmNam.view());
  if (row) terminal.com = *row;
  return row.has_value();
}

}  // namespace skarvik
