#include "check/findings_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace skarvik::check {
namespace {

TEST(ShowFindings, ListsAllOrTheOneOfTheIdAndRefusesAnUnknownId) {
  using Format = CheckOptions::Format;
  const struct {
    std::optional<std::string> id;
    Format format;
    int exitCode;
    std::string shows;  // the start of out, or a part of err
  } cases[] = {
      {std::nullopt, Format::kText, 0, "environment.no-settings-file\n   severity  blocker\n"},
      {"driver.table.Vks114Tsm.assignment", Format::kText, 0, "driver.table.{table}.assignment\n"},
      {"hazard.comma", Format::kJson, 0, "{\n  \"format\": \"skarvik-check-findings\""},
      {"hazard.comma.x", Format::kText, 2, "\"hazard.comma.x\"; skarvik-check findings lists"},
      {"", Format::kJson, 2, "no finding has the id \"\""},
      {"bad\x1B[2J", Format::kText, 2, "\"bad\\x1B[2J\""},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = ShowFindings(
        {.command = CheckOptions::Command::kFindings, .findingId = c.id, .format = c.format}, out,
        err);
    const std::string id = c.id.value_or("(all)");
    EXPECT_EQ(exitCode, c.exitCode) << id;
    if (c.exitCode == 0) {
      EXPECT_TRUE(out.str().starts_with(c.shows)) << id << ": " << out.str();
      EXPECT_EQ(err.str(), "") << id;
    } else {
      EXPECT_EQ(out.str(), "") << id;
      EXPECT_NE(err.str().find(c.shows), std::string::npos) << id << ": " << err.str();
    }
  }
}

}  // namespace
}  // namespace skarvik::check
