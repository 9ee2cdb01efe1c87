#include "check/report/text_report.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sample_report.h"

namespace skarvik::check {
namespace {

std::string TextOf(const Report& report, bool quiet) {
  std::ostringstream out;
  WriteTextReport(report, quiet, out);
  return out.str();
}

TEST(TextReport, ShowsSectionsFactsFindingsAndExamplesInPlainAscii) {
  EXPECT_EQ(TextOf(SampleReport(), false),
            "skarvik-check preflight, data source VELKORA\n"
            "\n"
            "0. Where it runs\n"
            "   Settings file  ../../Files/Kelvarion.Ini\n"
            "   Output files   2\n"
            "   [info]     passed  The log directory is writable\n"
            "\n"
            "1. Driver fitness\n"
            "   [BLOCKER]  FAILED  An ISO-8859-1 byte comes back unchanged\n"
            "      \"\\xE4\", file has \"\\xC3\\xA4\"\n"
            "\n"
            "2. Hazards per column\n"
            "   Login  M\\xFCller\n"
            "   [ERROR]         3  A value holds a comma\n"
            "      Device.dat line 3, key \"T01\", TrmNam = \"Kasse, 1\"\n"
            "        -> 41 fields instead of 40 from field 12 on\n"
            "      key \"T07\", TrmOrt = \"Ost,\\x0D\\x0AWest\" -> line split\n"
            "      ... and 1 more\n"
            "   [WARNING]       1  A key ends in blanks\n"
            "      key \"T02  \"\n"
            "   [info]          0  A value holds a NUL\n"
            "   [info]    1234567  Rows read\n"
            "\n"
            "preflight: 1 blocker, 1 error, 1 warning\n");
}

TEST(TextReport, QuietShowsOnlyErrorsAndBlockersUnderTheirSectionAndTheVerdict) {
  EXPECT_EQ(TextOf(SampleReport(), true),
            "1. Driver fitness\n"
            "   [BLOCKER]  FAILED  An ISO-8859-1 byte comes back unchanged\n"
            "      \"\\xE4\", file has \"\\xC3\\xA4\"\n"
            "\n"
            "2. Hazards per column\n"
            "   [ERROR]         3  A value holds a comma\n"
            "      Device.dat line 3, key \"T01\", TrmNam = \"Kasse, 1\"\n"
            "        -> 41 fields instead of 40 from field 12 on\n"
            "      key \"T07\", TrmOrt = \"Ost,\\x0D\\x0AWest\" -> line split\n"
            "      ... and 1 more\n"
            "\n"
            "preflight: 1 blocker, 1 error, 1 warning\n");
}

TEST(TextReport, QuietReportWithNothingWrongIsTheVerdictAlone) {
  Report report = SampleReport();
  report.command = "verify";
  report.sections.erase(report.sections.begin() + 1, report.sections.end());
  EXPECT_EQ(TextOf(report, true), "verify: 0 blockers, 0 errors, 0 warnings\n");
}

}  // namespace
}  // namespace skarvik::check
