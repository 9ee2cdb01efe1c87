#include "check/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "skarvik_version.h"

namespace skarvik::check {
namespace {

struct Outcome {
  ParsedCommandLine parsed;
  std::string out;
  std::string err;
};

Outcome Parse(std::vector<const char*> words) {
  words.insert(words.begin(), "skarvik-check");
  std::ostringstream out;
  std::ostringstream err;
  ParsedCommandLine parsed =
      ParseCommandLine(static_cast<int>(words.size()), words.data(), out, err);
  return {std::move(parsed), out.str(), err.str()};
}

TEST(ParseCommandLine, WrongUsageIsReportedOnErrAndExitsTwo) {
  const std::vector<std::vector<const char*>> cases = {
      {},
      {"VELKORA"},
      {"preflight"},
      {"check", "VELKORA"},
      {"preflight", "VELKORA", "verify"},
      {"preflight", "VELKORA", "extra"},
      {"--quiet", "preflight", "VELKORA"},
      {"verify", "VELKORA", "--format", "xml"},
      {"verify", "VELKORA", "--format"},
      {"preflight", "VELKORA", "--fail-on", "info"},
      {"preflight", "VELKORA", "--examples", "-1"},
      {"preflight", "VELKORA", "--examples", "five"},
      {"preflight", "VELKORA", "--examples", "1001"},
      {"preflight", "VELKORA", "--purge"},
      {"findings", "hazard.comma", "hazard.nul"},
      {"findings", "--quiet"},
      {"findings", "--examples", "1"},
      {"findings", "--format", "man"},
  };
  for (const auto& words : cases) {
    const Outcome outcome = Parse(words);
    std::string line;
    for (const char* word : words) line += std::string(word) + " ";
    EXPECT_FALSE(outcome.parsed.options) << line;
    EXPECT_EQ(outcome.parsed.exitCode, 2) << line;
    EXPECT_NE(outcome.err, "") << line;
    EXPECT_EQ(outcome.out, "") << line;
  }
}

TEST(ParseCommandLine, HelpAndVersionGoToOutAndExitZero) {
  struct Case {
    std::vector<const char*> words;
    std::string shows;
  } cases[] = {
      {{"--help"}, "Exit status:"},
      {{"-h"}, "preflight"},
      {{"preflight", "--help"}, "--fail-on blocker|error|warning"},
      {{"verify", "-h"}, "in the working directory"},
      {{"findings", "--help"}, "(driver.table.{table}.assignment)"},
      {{"--version"}, std::string("skarvik-check ") + kSkarvikVersion + "\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Parse(c.words);
    EXPECT_FALSE(outcome.parsed.options) << c.words[0];
    EXPECT_EQ(outcome.parsed.exitCode, 0) << c.words[0];
    EXPECT_NE(outcome.out.find(c.shows), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err, "");
  }
}

TEST(ParseCommandLine, DefaultsAndEveryOption) {
  using Command = CheckOptions::Command;
  using Format = CheckOptions::Format;
  struct Case {
    std::vector<const char*> words;
    CheckOptions expected;
  } cases[] = {
      {{"preflight", "VELKORA"}, {.command = Command::kPreflight, .dataSource = "VELKORA"}},
      {{"verify", "velkora", "--format", "json", "--quiet", "--fail-on", "warning", "--examples",
        "0"},
       {.command = Command::kVerify,
        .dataSource = "velkora",
        .format = Format::kJson,
        .quiet = true,
        .failOn = Severity::kWarning,
        .examples = 0}},
      {{"preflight", "--fail-on=BLOCKER", "--format=Text", "VELKORA", "--examples=1000"},
       {.dataSource = "VELKORA", .failOn = Severity::kBlocker, .examples = 1000}},
      {{"findings"}, {.command = Command::kFindings}},
      {{"findings", "--format=JSON", "driver.table.Vks114Tsm"},
       {.command = Command::kFindings,
        .findingId = "driver.table.Vks114Tsm",
        .format = Format::kJson}},
      {{"findings", ""}, {.command = Command::kFindings, .findingId = ""}},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Parse(c.words);
    ASSERT_TRUE(outcome.parsed.options) << outcome.err;
    const CheckOptions& options = *outcome.parsed.options;
    EXPECT_EQ(options.command, c.expected.command);
    EXPECT_EQ(options.dataSource, c.expected.dataSource);
    EXPECT_EQ(options.findingId, c.expected.findingId);
    EXPECT_EQ(options.format, c.expected.format);
    EXPECT_EQ(options.quiet, c.expected.quiet);
    EXPECT_EQ(options.failOn, c.expected.failOn);
    EXPECT_EQ(options.examples, c.expected.examples);
  }
}

}  // namespace
}  // namespace skarvik::check
