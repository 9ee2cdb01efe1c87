// A small report by hand, with one of each kind of finding, for the tests of
// the renderers.
#pragma once

#include "check/report/report.h"

namespace skarvik::check {

inline Report SampleReport() {
  return Report{
      .command = "preflight",
      .dataSource = "VELKORA",
      .sections =
          {
              {.id = "environment",
               .title = "Where it runs",
               .facts = {{"Settings file", std::string("../../Files/Kelvarion.Ini")},
                         {"Output files", std::int64_t{2}}},
               .findings = {{.id = "environment.log",
                             .severity = Severity::kWarning,
                             .title = "The log directory is writable",
                             .passed = true}}},
              {.id = "driver",
               .title = "Driver fitness",
               .findings = {{.id = "driver.charset",
                             .severity = Severity::kBlocker,
                             .title = "An ISO-8859-1 byte comes back unchanged",
                             .passed = false,
                             .examples = {{.value = "\xE4", .other = "\xC3\xA4"}}}}},
              {.id = "hazards",
               .title = "Hazards per column",
               .facts = {{"Login", std::string("M\xFCller")}},
               .findings = {{.id = "hazard.comma",
                             .severity = Severity::kError,
                             .title = "A value holds a comma",
                             .count = 3,
                             .examples = {{.file = "Device.dat",
                                           .line = 3,
                                           .key = "T01",
                                           .column = "TrmNam",
                                           .value = "Kasse, 1",
                                           .effect = "41 fields instead of 40 from field 12 on"},
                                          {.key = "T07",
                                           .column = "TrmOrt",
                                           .value = "Ost,\r\nWest",
                                           .effect = "line split"}}},
                            {.id = "hazard.trailing-blank",
                             .severity = Severity::kWarning,
                             .title = "A key ends in blanks",
                             .count = 1,
                             .examples = {{.key = "T02  "}}},
                            {.id = "hazard.nul",
                             .severity = Severity::kError,
                             .title = "A value holds a NUL",
                             .count = 0},
                            {.id = "hazard.rows",
                             .severity = Severity::kInfo,
                             .title = "Rows read",
                             .count = 1234567}}},
          },
  };
}

}  // namespace skarvik::check
