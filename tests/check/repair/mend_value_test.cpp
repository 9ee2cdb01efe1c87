#include "check/repair/mend_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skarvik::check {
namespace {

using namespace std::string_literals;
using enum Mend;

TEST(MendValue, EachRuleMendsWhatTheImportWouldMisread) {
  const MendRules key{.trim = true};
  struct Case {
    const char* name;
    std::string stored;
    std::string value;  // as mended; the stored value when refused
    std::vector<Mend> applied;
    MendRules rules = {};
    std::string refusal = "";
  } cases[] = {
      {"untouched value", "Tor 3", "Tor 3", {}},
      {"empty value", "", "", {}, key},
      {"ISO-8859-1 letter stays", "T\xFCr 3", "T\xFCr 3", {}},
      {"UTF-8 letter, euro sign, en dash",
       "T\xC3\xBCr 5\xE2\x82\xAC \xE2\x80\x93",
       "T\xFCr 5EUR -",
       {kUtf8}},
      {"UTF-8 C1 controls as their Windows-1252 byte", "a\xC2\x85\xC2\x81", "a...", {kUtf8}},
      {"a lone 0xE4 beside a UTF-8 letter: no UTF-8", "\xC3\xBC \xE4", "\xC3\xBC \xE4", {}},
      {"UTF-8 encoded twice", "\xC3\x83\xC2\xA4", "\xE4", {kUtf8}},
      {"UTF-8 beside a Windows-1252 euro sign", "\xC3\xBC \x80", "\xFC EUR", {kUtf8, kWindows1252}},
      {"a control byte split a UTF-8 letter", "\xC3\x01\xA4", "\xE4", {kUtf8, kControlByte}},
      {"CJK refuses",
       "Tor \xE4\xB8\xAD",
       "Tor \xE4\xB8\xAD",
       {},
       {},
       "U+4E2D has no ISO-8859-1 form"},
      {"Windows-1252; 0x81 goes", "5\x80 a\x85\x81", "5EUR a...", {kWindows1252}},
      {"control bytes; a tab between words", "a\x07\tb\x7F\t", "a b\t", {kControlByte}},
      {"CR LF, lone CR, lone LF", "a\r\nb\rc\nd\n\r", "a b c d  ", {kLineBreak}},
      {"several commas", "a,b,,c", "a;b;;c", {kComma}},
      {"comma as another byte", "1,5", "1/5", {kComma}, {.comma = '/'}},
      {"trailing blank and tab without trim", " KEY \t", " KEY \t", {}},
      {"trailing blank and tab with trim", " KEY \t", " KEY", {kTrim}, key},
      {"a key's line break at its end", "KEY\r\n", "KEY", {kLineBreak, kTrim}, key},
      {"NUL refuses first", "a\0,b"s, "a\0,b"s, {}, {}, "holds a NUL byte"},
      {"growth to the limit", "\x80", "EUR", {kWindows1252}, {.maxLength = 3}},
      {"growth beyond the limit",
       "\x80\x80",
       "\x80\x80",
       {},
       {.maxLength = 5},
       "has 6 characters when mended, more than the 5 there is room for"},
      {"untouched beyond the limit", "abcdef", "abcdef", {}, {.maxLength = 3}},
  };
  for (const Case& c : cases) {
    const Mended mended = MendValue(c.stored, c.rules);
    EXPECT_EQ(mended.value, c.value) << "case " << c.name;
    EXPECT_EQ(mended.applied, c.applied) << "case " << c.name;
    EXPECT_EQ(mended.refusal, c.refusal) << "case " << c.name;
    // A second repair plan holds no statement for a value the first mended.
    const Mended again = MendValue(mended.value, c.rules);
    if (c.refusal.empty()) {
      EXPECT_EQ(again.value, mended.value) << "case " << c.name;
      EXPECT_TRUE(again.applied.empty()) << "case " << c.name;
      EXPECT_EQ(again.refusal, "") << "case " << c.name;
    }
  }
}

}  // namespace
}  // namespace skarvik::check
