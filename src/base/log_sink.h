// Where the rooms above the ground floor report a line for the run log.
//
// The database layer and the exports never open the run log themselves: the
// run sequence owns it and hands it down as a LogSink, so that a cursor or
// an export can run, and be tested, without the program around it. A line is
// handed over without its line feed; a sink that cannot store it drops it,
// since the log must never stop a migration.
#pragma once

#include <string_view>

namespace skarvik {

class LogSink {
 public:
  virtual ~LogSink() = default;
  virtual void append(std::string_view line) = 0;
};

}  // namespace skarvik
