#include "base/text.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace skarvik {
namespace {

static_assert(std::is_trivially_copyable_v<Text<16>>);
static_assert(sizeof(Text<16>) == 16);

TEST(Text, AssignCutsAtWidthMinusOneAndClearsTheRest) {
  struct Case {
    std::string value;
    std::string held;
  } cases[] = {
      {"", ""}, {"abc", "abc"}, {"abcde", "abcde"}, {"abcdef", "abcde"}, {"abcdefghij", "abcde"},
  };
  for (const Case& c : cases) {
    Text<6> field;
    field.assign("zzzzz");
    field.assign(c.value);
    EXPECT_EQ(field.view(), c.held) << "case " << c.value;
    for (std::size_t i = c.held.size(); i < 6; ++i) EXPECT_EQ(field.bytes[i], '\0') << c.value;
  }
}

TEST(Text, ADriverThatFillsTheWholeBufferIsCutByTerminate) {
  Text<4> field;
  field.bytes = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(field.size(), 4u);  // never reads past the field
  field.terminate();
  EXPECT_EQ(field.view(), "abc");
}

TEST(RTrim, CutsTrailingBlanksAndTabsOnly) {
  struct Case {
    std::string value;
    std::string trimmed;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {" \t \t", ""},
      {"a b  ", "a b"},
      {"  lead", "  lead"},
      {"tab\t", "tab"},
      {"line\n", "line\n"},
      {"cr\r ", "cr\r"},
      {"x \t y \t", "x \t y"},
  };
  for (const Case& c : cases) {
    Text<16> field;
    field.assign(c.value);
    field.rtrim();
    EXPECT_EQ(field.view(), c.trimmed) << "case '" << c.value << "'";
  }
}

TEST(StrUpper, UpperCasesAsciiLettersOnly) {
  char text[] = "kelvarion_vk /d \xE4\xFC z";
  EXPECT_STREQ(StrUpper(text), "KELVARION_VK /D \xE4\xFC Z");
}

}  // namespace
}  // namespace skarvik
