#include "export/communication_parameters.h"

namespace skarvik {
namespace {

using C = CommunicationRow;

constexpr Column<C> kColumns[] = {
    column<&C::ComIpa>("ComIpa"), column<&C::ComGat>("ComGat"), column<&C::ComShs>("ComShs"),
    column<&C::ComEvp>("ComEvp"), column<&C::ComTmp>("ComTmp"), column<&C::ComSub>("ComSub"),
    column<&C::ComTwx>("ComTwx"), column<&C::ComPor>("ComPor"), column<&C::ComSch>("ComSch"),
    column<&C::ComSto>("ComSto"), column<&C::ComLkn>("ComLkn"), column<&C::ComVor>("ComVor"),
    column<&C::ComTel>("ComTel"), column<&C::ComDwl>("ComDwl"), column<&C::ComGid>("ComGid"),
    column<&C::ComLer>("ComLer"),
};

const Query<C> kCommunicationQuery = {CursorKind::kComParm, kColumns, 4,
                                      "  FROM  VKSYSTEM.Vks1140Com  WHERE  ComNam = '%s'"};

void Merge(const C& row, TerminalRecord& terminal) {
  terminal.ComIpa = row.ComIpa;
  terminal.ComGat = row.ComGat;
  terminal.ComShs = row.ComShs;
  terminal.ComEvp = row.ComEvp;
  terminal.ComTmp = row.ComTmp;
  terminal.ComSub = row.ComSub;
  terminal.ComTwx = row.ComTwx;
  terminal.ComPor = row.ComPor;
  terminal.ComSch = row.ComSch;
  terminal.ComSto = row.ComSto;
  terminal.ComDwl = row.ComDwl;
  terminal.ComGid = row.ComGid;
  terminal.ComLer = row.ComLer;
  // A dial number too long for its field stays empty rather than cut: a cut
  // number would dial somebody else.
  const std::size_t length = row.ComLkn.size() + row.ComVor.size() + row.ComTel.size();
  if (length <= terminal.dialNumber.kCapacity) {
    std::string joined;
    joined.append(row.ComLkn.view()).append(row.ComVor.view()).append(row.ComTel.view());
    terminal.dialNumber.assign(joined);
  }
}

}  // namespace

CommunicationLookup::CommunicationLookup(Session& session)
    : cursor_(session, kCommunicationQuery) {}

int CommunicationLookup::SQL_GetComParm(TerminalRecord& terminal) {
  C row;
  const int result = cursor_.fetchOne(terminal.TrmNam.view(), row);
  if (result == 0) Merge(row, terminal);
  return result;
}

}  // namespace skarvik
