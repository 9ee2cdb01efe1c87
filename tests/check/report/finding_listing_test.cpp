#include "check/report/finding_listing.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

namespace skarvik::check {
namespace {

std::span<const FindingKind> Assignment() { return {&KindOf(FindingId::kAssignmentAnswers), 1}; }

TEST(FindingListing, TextAlignsTheFieldsAndWrapsUnderTheValue) {
  std::ostringstream out;
  WriteFindingsText(Assignment(), out);
  EXPECT_EQ(out.str(),
            "driver.table.{table}.assignment\n"
            "   severity  blocker\n"
            "   title     {name} answers {tag}\n"
            "   meaning   The type table does not answer the lookup of a table's terminal\n"
            "             type.\n"
            "   repair    none\n");
}

TEST(FindingListing, TextKeepsEveryLineInTheConsoleAndKindsApart) {
  std::ostringstream out;
  WriteFindingsText(FindingKinds(), out);
  std::istringstream lines(out.str());
  int blanks = 0;
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 79u) << line;
    blanks += line.empty();
  }
  EXPECT_EQ(blanks + 1, static_cast<int>(FindingKinds().size()));
}

TEST(FindingListing, JsonIsAVersionedDocumentOfFindings) {
  std::ostringstream out;
  WriteFindingsJson(Assignment(), out);
  const nlohmann::json json = nlohmann::json::parse(out.str());
  EXPECT_EQ(out.str().back(), '\n');
  EXPECT_EQ(json["format"], "skarvik-check-findings");
  EXPECT_EQ(json["formatVersion"], 1);
  EXPECT_EQ(json["findings"],
            nlohmann::json::array({{{"id", "driver.table.{table}.assignment"},
                                    {"severity", "blocker"},
                                    {"title", "{name} answers {tag}"},
                                    {"meaning",
                                     "The type table does not answer the lookup of a table's "
                                     "terminal type."},
                                    {"repair", "none"}}}));
}

TEST(FindingListing, ManualEntryIsATaggedParagraphWithItalicParts) {
  std::ostringstream out;
  WriteFindingsManual(Assignment(), out);
  EXPECT_EQ(out.str(),
            ".TP\n"
            ".B driver.table.\\fI{table}\\fB.assignment\n"
            "(blocker) The type table does not answer the lookup of a table's terminal type.\n");
}

}  // namespace
}  // namespace skarvik::check
