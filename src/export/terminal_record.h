// The terminal record: one terminal on its way into Device.dat.
//
// It is filled by the terminal fetch, merged with the terminal's
// communication parameters, or filled by the type-table fetch instead. The
// fields lie in the order of the TRM line; each is one byte wider than the
// column it receives.
#pragma once

#include <type_traits>

#include "base/text.h"
#include "export/model_codes.h"

namespace skarvik {

// A terminal's row of the communication table, in the order of the TRM
// line; the three parts of the dial number come last, since only their
// joined form is written.
struct CommunicationParameters {
  Text<11> ComTwx;
  Text<7> ComPor;
  Text<7> ComSch;
  Text<7> ComSto;
  Text<16> ComIpa;  // IP address
  Text<16> ComSub;  // subnet mask
  Text<16> ComGat;  // gateway
  Text<16> ComShs;
  Text<6> ComTmp;
  Text<6> ComEvp;
  Text<31> dialNumber;  // ComLkn, ComVor and ComTel joined
  Text<4> ComLer;
  Text<33> ComDwl;
  Text<6> ComGid;
  Text<6> ComLkn;  // the three parts of the dial number
  Text<11> ComVor;
  Text<21> ComTel;
};

struct TerminalRecord {
  Text<256> TrmNam;  // the key of the communication row and of the readers
  Text<11> TrmTas;
  Text<11> TrmSal;
  Text<11> TrmUpl;
  Text<11> TrmDnl;
  Text<6> TrmSpr;
  Text<6> TrmDtm;
  Text<201> TrmApp;  // searched for the 8374 family
  Text<201> TrmLog;
  Text<201> TrmPra;
  Text<2> TrmSyn;
  Text<6> TrmTon;
  Text<6> TrmDau;
  Text<6> TrmLst;
  Text<6> TrmHst;
  Text<6> TrmAlf;
  Text<31> TrmSto;
  Text<51> TrmTxt;
  Text<11> TrmKtx;
  Text<6> TrmSta;
  Text<51> TrmErf;  // creator, always written as the import's own
  Text<6> TrmInt;
  ModelString TrmMod;
  Text<2> TrmFnk;
  Text<2> TrmDis;
  Text<2> TsmKsw;  // fetched from the type table, never written
  CommunicationParameters com;
};
static_assert(std::is_trivially_copyable_v<TerminalRecord>);

}  // namespace skarvik
