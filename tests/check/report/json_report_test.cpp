#include "check/report/json_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "sample_report.h"

namespace skarvik::check {
namespace {

using Json = nlohmann::json;

Json JsonOf(const Report& report, bool quiet) {
  std::ostringstream out;
  WriteJsonReport(report, quiet, out);
  const std::string text = out.str();
  EXPECT_EQ(text.back(), '\n');
  return Json::parse(text);  // throws on invalid UTF-8 as well
}

TEST(JsonReport, HoldsTheWholeReportWithDatabaseBytesAsUtf8) {
  const Json json = JsonOf(SampleReport(), false);
  EXPECT_EQ(json["format"], "skarvik-check-report");
  EXPECT_EQ(json["formatVersion"], 1);
  EXPECT_EQ(json["command"], "preflight");
  EXPECT_EQ(json["dataSource"], "VELKORA");
  EXPECT_EQ(json["verdict"], Json({{"blockers", 1}, {"errors", 1}, {"warnings", 1}}));
  ASSERT_EQ(json["sections"].size(), 3u);

  const Json& environment = json["sections"][0];
  EXPECT_EQ(environment["id"], "environment");
  EXPECT_EQ(environment["title"], "Where it runs");
  EXPECT_EQ(environment["facts"],
            Json({{"Settings file", "../../Files/Kelvarion.Ini"}, {"Output files", 2}}));
  EXPECT_EQ(environment["findings"][0]["severity"], "info") << "a passed check is info";
  EXPECT_EQ(environment["findings"][0]["passed"], true);

  const Json& hazards = json["sections"][2];
  EXPECT_EQ(hazards["facts"]["Login"], "M\xC3\xBCller");
  const Json& comma = hazards["findings"][0];
  EXPECT_EQ(comma["id"], "hazard.comma");
  EXPECT_EQ(comma["severity"], "error");
  EXPECT_EQ(comma["count"], 3);
  EXPECT_FALSE(comma.contains("passed")) << "only checks that pass or fail have it";
  EXPECT_EQ(comma["examples"][0], Json({{"file", "Device.dat"},
                                        {"line", 3},
                                        {"key", "T01"},
                                        {"column", "TrmNam"},
                                        {"value", "Kasse, 1"},
                                        {"effect", "41 fields instead of 40 from field 12 on"}}));
  EXPECT_EQ(comma["examples"][1]["value"], "Ost,\r\nWest");
  EXPECT_EQ(hazards["findings"][1]["examples"][0], Json({{"key", "T02  "}}));
  EXPECT_EQ(hazards["findings"][2]["severity"], "info") << "a count of nothing";

  const Json& charset = json["sections"][1]["findings"][0];
  EXPECT_EQ(charset["passed"], false);
  EXPECT_EQ(charset["severity"], "blocker");
  EXPECT_EQ(charset["examples"][0]["value"], "\xC3\xA4");
  EXPECT_EQ(charset["examples"][0]["other"], "\xC3\x83\xC2\xA4");
}

TEST(JsonReport, QuietKeepsOnlySectionsWithErrorsOrBlockersAndTheirFindings) {
  const Json json = JsonOf(SampleReport(), true);
  ASSERT_EQ(json["sections"].size(), 2u);
  EXPECT_EQ(json["sections"][0]["id"], "driver");
  const Json& hazards = json["sections"][1];
  EXPECT_EQ(hazards["facts"], Json::object());
  ASSERT_EQ(hazards["findings"].size(), 1u);
  EXPECT_EQ(hazards["findings"][0]["id"], "hazard.comma");
  EXPECT_EQ(json["verdict"]["warnings"], 1) << "the verdict covers the whole report";
}

TEST(JsonReport, KeysKeepTheirOrder) {
  std::ostringstream out;
  WriteJsonReport(SampleReport(), false, out);
  const std::string text = out.str();
  EXPECT_LT(text.find("\"format\""), text.find("\"formatVersion\""));
  EXPECT_LT(text.find("\"dataSource\""), text.find("\"sections\""));
  EXPECT_LT(text.find("\"sections\""), text.find("\"verdict\""));
  EXPECT_LT(text.find("\"Settings file\""), text.find("\"Output files\""));
}

}  // namespace
}  // namespace skarvik::check
