#include "check/preflight/hazards.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skarvik::check {
namespace {

using namespace std::string_view_literals;

// One column of a fetched row: value as the driver delivered it, fetched as
// the record holds it afterwards.
RawField Raw(const char* column, std::string_view value, std::string_view fetched,
             ColumnUse use = ColumnUse::kWritten, std::size_t width = 11) {
  return {.column = column,
          .value = value,
          .fetched = fetched,
          .cut = false,
          .width = width,
          .use = use,
          .kept = width - 1};
}

struct Seen {
  std::string id;
  std::int64_t count;
  std::string key;
  std::string effect;
};

std::vector<Seen> SeenIn(FindingList& findings) {
  std::vector<Seen> seen;
  for (const Finding& f : findings.take()) {
    seen.push_back({f.id, f.count, f.examples.empty() ? "" : f.examples[0].key,
                    f.examples.empty() ? "" : f.examples[0].effect});
  }
  return seen;
}

// A balance header row and, unless dropped, its line in SldKopf.dat.
TEST(Hazards, EachRuleCountsWhatTheImportWillMisread) {
  const PlannedFile& headers = *FindPlannedFile("SldKopf.dat");
  struct Case {
    const char* name;
    std::vector<RawField> row;
    std::vector<std::string_view> line;  // empty: the row becomes no line
    std::vector<Seen> seen;
  } cases[] = {
      {"clean values",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey)},
       {"SAL1", "8373-001", "12", "Text", "1", "2009", "VKImport"},
       {}},
      {"a comma moves every later field",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey)},
       {"SAL1", "8373-001", "12", "A, B", "1", "2009", "VKImport"},
       {{"hazard.comma", 1, "SAL1", "8 fields instead of 7 from field 5 on"}}},
      {"a line feed and a carriage return in one value count once each",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey)},
       {"SAL1", "8373-001", "12", "A\r\nB", "1", "2009", "VKImport"},
       {{"hazard.line-feed", 1, "SAL1", "line split inside field 4"},
        {"hazard.carriage-return", 1, "SAL1", "line may split inside field 4"}}},
      {"a value longer than its field is cut",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey),
        Raw("TslDau", "12345678901 ", "1234567890")},
       {"SAL1", "8373-001", "1234567890", "Text", "1", "2009", "VKImport"},
       {{"hazard.cut", 1, "SAL1", "cut to 10 characters: 1234567890"}}},
      {"a NUL cuts the value",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey), Raw("TslDau",
                                                                  "12\0"
                                                                  "34"sv,
                                                                  "12")},
       {"SAL1", "8373-001", "12", "Text", "1", "2009", "VKImport"},
       {{"hazard.nul", 1, "SAL1", "cut at the NUL byte to 2 characters"}}},
      {"a row that becomes no line counts no cut",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey),
        Raw("TslDau", "12345678901", "1234567890")},
       {},
       {}},
      {"a column that is never written counts nothing",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey),
        Raw("TslErf", "a creator far too long", "a creator", ColumnUse::kReadOnly)},
       {"SAL1", "8373-001", "12", "Text", "1", "2009", "VKImport"},
       {}},
      {"a key ending in blanks counts whether or not its row becomes a line",
       {Raw("TslNam", "SAL1  ", "SAL1", ColumnUse::kLookupKey)},
       {},
       {{"hazard.key-blanks", 1, "SAL1",
         "looked up as \"SAL1\": a database that compares blanks exactly finds nothing for it"}}},
      {"blanks after a value that is no key are only trimmed",
       {Raw("TslNam", "SAL1", "SAL1", ColumnUse::kLookupKey), Raw("TslDau", "12   ", "12")},
       {"SAL1", "8373-001", "12", "Text", "1", "2009", "VKImport"},
       {}},
  };
  for (const Case& c : cases) {
    FindingList findings(3);
    Hazards hazards(findings);
    hazards.rowFetched(c.row, "");
    if (c.line.empty()) {
      hazards.dropPending();
    } else {
      hazards.lineWritten(headers, 1, c.line);
    }
    const std::vector<Seen> seen = SeenIn(findings);
    ASSERT_EQ(seen.size(), c.seen.size()) << "case " << c.name;
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].id, c.seen[i].id) << "case " << c.name;
      EXPECT_EQ(seen[i].count, c.seen[i].count) << "case " << c.name;
      EXPECT_EQ(seen[i].key, c.seen[i].key) << "case " << c.name;
      EXPECT_EQ(seen[i].effect, c.seen[i].effect) << "case " << c.name;
    }
  }
}

}  // namespace
}  // namespace skarvik::check
