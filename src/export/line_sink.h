// Where an export's lines go.
//
// An export hands every line over as its fields; the sink decides what
// becomes of them. The output file writes them in the one line format of
// the files; a test collects them in memory, and a companion that checks a
// migration can count or compare them instead of writing them.
#pragma once

#include <span>
#include <string_view>

namespace skarvik {

class LineSink {
 public:
  virtual ~LineSink() = default;
  // One line: its fields in order, without the commas and the line end
  // that the file adds.
  virtual void writeFields(std::span<const std::string_view> fields) = 0;
};

}  // namespace skarvik
