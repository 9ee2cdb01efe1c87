#include "check/preflight/misread_bytes.h"

#include <gtest/gtest.h>

namespace skarvik::check {
namespace {

TEST(MisreadBytes, ControlBytesAndUtf8AreToldApart) {
  struct Case {
    const char* name;
    std::string value;
    std::string control;  // "" for none
    std::string utf8;     // "" for none
  } cases[] = {
      {"plain text", "Tor 3", "", ""},
      {"ISO-8859-1 umlaut",
       "K\xFC"
       "che",
       "", ""},
      {"line breaks have findings of their own", "a\r\nb", "", ""},
      {"euro sign of Windows-1252", "5 \x80",
       "0x80: the euro sign in Windows-1252, a control character in ISO-8859-1", ""},
      {"en dash", "a \x96 b", "0x96: an en dash in Windows-1252, a control character in ISO-8859-1",
       ""},
      {"byte Windows-1252 leaves empty", "\x81", "0x81: a control character in ISO-8859-1", ""},
      {"bell", "a\x07", "0x07: a control character in ISO-8859-1", ""},
      {"delete", "a\x7F", "0x7F: a control character in ISO-8859-1", ""},
      {"UTF-8 umlaut",
       "K\xC3\xBC"
       "che",
       "", "read as \xC3\xBC where \xFC was meant"},
      {"UTF-8 euro sign is UTF-8, not a control byte", "5 \xE2\x82\xAC", "",
       "read as \xE2\x82\xAC where U+20AC was meant"},
      {"UTF-8 beside a stray byte is no UTF-8", "\xC3\xBC \xFC", "", ""},
      {"an overlong form is no UTF-8", "\xC0\xBC", "", ""},
      {"a cut sequence is no UTF-8", "K\xC3", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ControlByte(c.value).value_or(""), c.control) << "case " << c.name;
    EXPECT_EQ(Utf8Text(c.value).value_or(""), c.utf8) << "case " << c.name;
  }
}

}  // namespace
}  // namespace skarvik::check
