// The check's own run log. The export's queries run on the check's session
// as in a run, and the lines a run would log go here instead; the real run
// log is left alone. A query failure is kept with its two lines as the run
// log would show them, so that every one of them can become a finding: a
// report that passed over a failed query would blame the files for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/log_sink.h"
#include "check/report/finding_list.h"
#include "db/session.h"

namespace skarvik::check {

class QueryFailures : public LogSink, public FailureListener {
 public:
  // The lines of tables left out and the like: the report has its own
  // findings for them.
  void append(std::string_view /*line*/) override {}
  void failed(const LoggedFailure& failure) override;

  // The failures so far; a caller notes it before a step to look at the
  // step's failures afterwards.
  std::size_t count() const { return failures_.size(); }
  // The first line of failure number index, as the run log would show it.
  std::string_view errorLine(std::size_t index) const { return failures_[index].errorLine; }
  // The tags of the failures from first on, each once, in the order they failed.
  std::vector<std::string> tagsSince(std::size_t first) const;
  // Whether a query of kind is among the failures from first on.
  bool failedSince(std::size_t first, CursorKind kind) const;
  // One finding per tag for the failures from first on, each with its
  // lines as examples.
  void report(std::size_t first, FindingList& findings) const;

 private:
  struct Failure {
    std::string tag;
    std::string errorLine;
    std::string statementLine;
  };
  std::vector<Failure> failures_;
};

}  // namespace skarvik::check
