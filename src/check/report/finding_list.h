// Findings as they are counted: one per check id and column, in the order
// they were first seen, each with an exact count and the first few examples.
// Memory grows with the kinds of finding and the examples kept, never with
// the rows read.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "check/report/report.h"

namespace skarvik::check {

class FindingList {
 public:
  explicit FindingList(std::size_t maxExamples) : maxExamples_(maxExamples) {}

  // Counts one occurrence of kind (a finding of MakeFinding) for column:
  // its id, severity and title are kept from the first one. Keeps example
  // while there is room.
  void add(const Finding& kind, const std::string& column, Example example);
  // Counts count occurrences at once, without an example.
  void addCount(const Finding& kind, std::int64_t count);

  // Forgets every finding counted for column, as if it had not been seen.
  void drop(const std::string& column);

  // The findings, the most severe first; of equal severity, in the order
  // first seen.
  std::vector<Finding> take();

 private:
  Finding& entry(const Finding& kind, const std::string& column);

  std::size_t maxExamples_;
  std::vector<Finding> findings_;
  std::vector<std::string> columns_;  // by finding
  std::map<std::pair<std::string, std::string>, std::size_t> index_;
};

}  // namespace skarvik::check
