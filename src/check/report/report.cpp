#include "check/report/report.h"

namespace skarvik::check {

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::kBlocker:
      return "blocker";
    case Severity::kError:
      return "error";
    case Severity::kWarning:
      return "warning";
    case Severity::kInfo:
      break;
  }
  return "info";
}

std::string Counted(std::int64_t count, const char* noun) {
  std::string text = std::to_string(count) + " " + noun;
  if (count != 1) text += "s";
  return text;
}

Severity SeverityOf(const Finding& finding) {
  if (const bool* passed = std::get_if<bool>(&finding.passed)) {
    return *passed ? Severity::kInfo : finding.severity;
  }
  return finding.count > 0 ? finding.severity : Severity::kInfo;
}

Verdict VerdictOf(const Report& report) {
  Verdict verdict;
  for (const Section& section : report.sections) {
    for (const Finding& finding : section.findings) {
      switch (SeverityOf(finding)) {
        case Severity::kBlocker:
          ++verdict.blockers;
          break;
        case Severity::kError:
          ++verdict.errors;
          break;
        case Severity::kWarning:
          ++verdict.warnings;
          break;
        case Severity::kInfo:
          break;
      }
    }
  }
  return verdict;
}

std::string VerdictLine(const Report& report) {
  const Verdict verdict = VerdictOf(report);
  return report.command + ": " + Counted(verdict.blockers, "blocker") + ", " +
         Counted(verdict.errors, "error") + ", " + Counted(verdict.warnings, "warning");
}

CheckExit CheckExitOf(const Report& report, Severity failOn) {
  for (const Section& section : report.sections) {
    for (const Finding& finding : section.findings) {
      if (SeverityOf(finding) != Severity::kInfo && SeverityOf(finding) >= failOn) {
        return kCheckFindings;
      }
    }
  }
  return kCheckPassed;
}

}  // namespace skarvik::check
