#include "check/preflight/empty_keys.h"

#include <gtest/gtest.h>

namespace skarvik::check {
namespace {

RawField Field(const char* column, std::string_view stored, ColumnUse use) {
  return {.column = column, .value = stored, .fetched = RTrimmed(stored), .use = use};
}

// A balance table without a name is found by its line when a terminal type
// names it, and by what else it holds when it becomes no line.
TEST(EmptyKeys, AnExampleLocatesItsRowByLineOrByItsOtherValues) {
  constexpr char kLookedUp[] =
      "TslNam is \"\": its terminal type and its positions are looked up by an empty name";
  const PlannedFile& headers = *FindPlannedFile("SldKopf.dat");
  const RawField row[] = {Field("TslNam", "  ", ColumnUse::kLookupKey),
                          Field("TslTxt", "Kantine ", ColumnUse::kWritten),
                          Field("TslErf", "admin", ColumnUse::kReadOnly)};
  struct Case {
    const char* name;
    bool written;
    Example example;
  } cases[] = {
      {"written", true, {.file = "SldKopf.dat", .line = 3, .effect = kLookedUp}},
      {"not written",
       false,
       {.effect =
            std::string(kLookedUp) + "; no line is written; the row holds TslTxt = \"Kantine\""}},
  };
  for (const Case& c : cases) {
    FindingList findings(5);
    EmptyKeys emptyKeys(findings);
    emptyKeys.rowFetched(CursorKind::kBalanceHeaders, row);
    if (c.written) emptyKeys.lineWritten(headers, 3);
    emptyKeys.dropPending();
    const std::vector<Finding> found = findings.take();
    ASSERT_EQ(found.size(), 1u) << "case " << c.name;
    const Example& example = found[0].examples.at(0);
    EXPECT_EQ(example.file, c.example.file) << "case " << c.name;
    EXPECT_EQ(example.line, c.example.line) << "case " << c.name;
    EXPECT_EQ(example.effect, c.example.effect) << "case " << c.name;
  }
}

}  // namespace
}  // namespace skarvik::check
