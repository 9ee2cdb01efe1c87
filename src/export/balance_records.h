// The two records of the balance-table export: a balance table's header,
// written to SldKopf.dat, and one of its positions, written to SldPos.dat.
// The fields lie in the order of their lines; each is one byte wider than
// what it holds.
#pragma once

#include <type_traits>

#include "base/text.h"

namespace skarvik {

struct BalanceTableHeader {
  Text<11> TslNam;  // the table's name, the key of its positions
  Text<11> model;   // not a column: the model of the terminal type using it
  Text<6> TslDau;
  Text<31> text;  // the first 30 characters of TslTxt
  Text<6> TslSta;
  Text<26> TslDat;
  Text<51> TslErf;  // creator, always written as the import's own
  Text<51> TslTxt;  // the whole column; the newer system takes 30 characters
};
static_assert(std::is_trivially_copyable_v<BalanceTableHeader>);

struct BalancePosition {
  Text<11> TsaSal;  // the owning table's name
  Text<6> TsaLfd;
  Text<6> TsaAnz;
  Text<6> TsaAus;
  Text<6> TsaSta;
  Text<26> TsaDat;
  Text<51> TsaErf;  // creator, always written as the import's own
  Text<3> TsaSpl;
  // Room the newer system's position format keeps; the old one has no
  // values for it, so both are written empty.
  Text<31> reserve1;
  Text<4> reserve2;
};
static_assert(std::is_trivially_copyable_v<BalancePosition>);

}  // namespace skarvik
