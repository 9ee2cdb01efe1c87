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

#include "check/report.h"

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

  // The findings, the most severe first; of equal severity, in the order
  // first seen.
  std::vector<Finding> take();
  std::size_t maxExamples() const { return maxExamples_; }

 private:
  Finding& entry(const Finding& kind, const std::string& column);

  std::size_t maxExamples_;
  std::vector<Finding> findings_;
  std::map<std::pair<std::string, std::string>, std::size_t> index_;
};

}  // namespace skarvik::check
