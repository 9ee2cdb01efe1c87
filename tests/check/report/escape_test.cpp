#include "check/report/escape.h"

#include <gtest/gtest.h>

#include <string>

namespace skarvik::check {
namespace {

using namespace std::string_literals;

TEST(Escaped, ShowsEveryByteOutsidePrintableAsciiAsHexAndDoublesTheBackslash) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string shown;
  } cases[] = {
      {"plain text with comma and blank", "Kasse 1, Ost", "Kasse 1, Ost"},
      {"line break", "a\r\nb", "a\\x0D\\x0Ab"},
      {"NUL and tab", "a\0b\t"s, "a\\x00b\\x09"},
      {"DEL and the byte below it", "~\x7F", "~\\x7F"},
      {"ISO-8859-1 letters and the top byte", "M\xFCller\xFF", "M\\xFCller\\xFF"},
      {"backslash cannot pose as an escape", "\\x41", "\\\\x41"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Escaped(c.bytes), c.shown) << "case " << c.name;
}

TEST(Latin1ToUtf8, EncodesTheUpperHalfAsTwoBytesAndKeepsAscii) {
  struct Case {
    const char* name;
    std::string latin1;
    std::string utf8;
  } cases[] = {
      {"ascii and controls", "a,\r\n\0"s, "a,\r\n\0"s},
      {"u umlaut", "M\xFCller", "M\xC3\xBCller"},
      {"first of the upper half", "\x80", "\xC2\x80"},
      {"no-break space", "\xA0", "\xC2\xA0"},
      {"first letter of the C3 block", "\xC0", "\xC3\x80"},
      {"last byte", "\xFF", "\xC3\xBF"},
  };
  for (const Case& c : cases) EXPECT_EQ(Latin1ToUtf8(c.latin1), c.utf8) << "case " << c.name;
}

}  // namespace
}  // namespace skarvik::check
