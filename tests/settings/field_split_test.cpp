#include "settings/field_split.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace skarvik {
namespace {

TEST(NthCharPos, FindsTheNthOrTheLastOccurrence) {
  struct Case {
    const char* name;
    const char* text;
    int n;
    int expected;
  } cases[] = {
      {"first", "a;b;c", 1, 1},
      {"second", "a;b;c", 2, 3},
      {"fewer than n gives the last", "a;b;c", 5, 3},
      {"only one, asked for the second", "ab;", 2, 2},
      {"none", "abc", 1, -1},
      {"empty text", "", 1, -1},
      {"at the start", ";x", 1, 0},
      {"n below 1 gives the last", "a;b;c", 0, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NthCharPos(c.text, ';', c.n), c.expected) << "case " << c.name;
  }
}

TEST(SubStr, CopiesBoundedAndLeavesTheDestinationOnNegativeLength) {
  struct Case {
    const char* name;
    const char* text;
    int start;
    int length;
    std::size_t dest_size;
    const char* expected;
  } cases[] = {
      {"middle", "abcdef", 1, 3, 16, "bcd"},
      {"length 0 is the rest", "abcdef", 2, 0, 16, "cdef"},
      {"length past the end stops at the end", "abcdef", 4, 10, 16, "ef"},
      {"start at the end", "abcdef", 6, 0, 16, ""},
      {"start past the end reads nothing", "abc", 9, 2, 16, ""},
      {"cut to the destination", "abcdef", 0, 0, 4, "abc"},
      {"negative length leaves the destination", "abcdef", 0, -1, 16, "untouched"},
      {"negative start leaves the destination", "abcdef", -1, 2, 16, "untouched"},
  };
  for (const Case& c : cases) {
    std::array<char, 20> buffer{};
    std::string("untouched").copy(buffer.data(), 9);
    buffer[c.dest_size] = '#';  // must survive: it lies beyond the destination
    SubStr(c.text, c.start, c.length, std::span(buffer.data(), c.dest_size));
    EXPECT_STREQ(buffer.data(), c.expected) << "case " << c.name;
    EXPECT_EQ(buffer[c.dest_size], '#') << "case " << c.name;
  }
}

}  // namespace
}  // namespace skarvik
