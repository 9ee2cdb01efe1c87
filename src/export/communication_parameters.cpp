#include "export/communication_parameters.h"

#include "db/cursor.h"

namespace skarvik {
namespace {

struct CommunicationRow {
  Text<16> ComIpa;
  Text<16> ComGat;
  Text<16> ComShs;
  Text<6> ComEvp;
  Text<6> ComTmp;
  Text<16> ComSub;
  Text<11> ComTwx;
  Text<7> ComPor;
  Text<7> ComSch;
  Text<7> ComSto;
  Text<6> ComLkn;  // the three parts of the dial number
  Text<11> ComVor;
  Text<21> ComTel;
  Text<33> ComDwl;
  Text<6> ComGid;
  Text<4> ComLer;
};

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

int SQL_GetComParm(Session& session, TerminalRecord& terminal) {
  Cursor<C> cursor(session, kCommunicationQuery);
  C row;
  const int result = cursor.fetchOne(terminal.TrmNam.view(), row);
  if (result == 0) Merge(row, terminal);
  return result;
}

}  // namespace skarvik
