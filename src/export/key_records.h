// The two records of the key-table export: a key table's header, written to
// TstKopf.dat, and one of its key positions, written to TstPos.dat. The
// fields lie in the order of their lines; each is one byte wider than what
// it holds. The header's final model text is also written with every one of
// its positions, so that both files agree on the model.
#pragma once

#include <type_traits>

#include "base/text.h"

namespace skarvik {

struct KeyTableHeader {
  Text<11> TttNam;  // the table's name, the key of its positions
  Text<31> text;    // the first 30 characters of TttTxt
  Text<11> TttKtx;
  Text<6> TttSta;
  Text<51> TttErf;  // creator, always written as the import's own
  Text<3> TttArt;   // replaced by the model table for a known model
  Text<2> TttTas;   // always decided by the model table: "1" or "2"
  Text<11> TttTtp;  // the terminal model the table belongs to
  Text<2> unused;   // the newer system's format has a field here; always empty
  Text<11> nameCopy;
  Text<31> modelValue;  // the text, or the model table's value for the model
  Text<26> TttDat;
  Text<51> TttTxt;  // the whole column; the newer system takes 30 characters
};
static_assert(std::is_trivially_copyable_v<KeyTableHeader>);

struct KeyPosition {
  Text<11> TtaNum;  // the owning table's name
  Text<11> TtaTyp;  // fetched, never written: the header's model stands there
  Text<2> TtaMnu;
  Text<6> TtaTas;
  Text<4> TtaBch;
  Text<3> TtaPos;
  Text<31> text;  // the first 30 characters of TtaTxt
  Text<6> TtaDnc;
  Text<6> TtaFtp;
  Text<26> TtaDat;
  Text<51> TtaErf;  // creator, always written as the import's own
  Text<2> TtaF01;
  Text<2> TtaF02;
  Text<2> TtaF03;
  Text<2> TtaF04;
  Text<2> TtaF05;
  Text<2> TtaF06;
  Text<2> TtaF07;
  Text<2> TtaF08;
  Text<2> TtaF09;
  Text<2> TtaF10;
  Text<2> TtaF11;
  Text<2> TtaF12;
  Text<4> TtaFcd;
  Text<3> TtaAps;   // written as the position's TtaPos
  Text<2> TtaTav;   // "0" when the old system left it empty
  Text<51> TtaTxt;  // the whole column; the newer system takes 30 characters
  Text<11> model;   // not a column: the model of its header as written
};
static_assert(std::is_trivially_copyable_v<KeyPosition>);

}  // namespace skarvik
