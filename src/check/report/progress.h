// The progress line on standard error while a check reads, so that a run
// against a slow remote database does not look hung.
//
// One line, "Device.dat: 12000 rows read", rewritten in place with a CR on
// every new phase and at most about every 200 ms in between, and cleared
// again when the reading is done. It is meant for a person at a terminal
// only: the caller enables it when the stream is one (IsTerminal), and a
// disabled Progress writes nothing at all, so that nothing of it reaches a
// report that is redirected or piped. The stream must outlive the Progress.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace skarvik::check {

class Progress {
 public:
  Progress(std::FILE* stream, bool enabled);
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  ~Progress();

  // Starts a phase with no rows read yet and shows it at once.
  void phase(std::string_view name);
  // Counts count more rows read in the current phase.
  void rows(std::int64_t count);
  // Clears the line, so that what is written next starts on a clean one.
  void finish();

 private:
  void draw();

  std::FILE* stream_;
  bool enabled_;
  std::string phase_;
  std::int64_t rows_ = 0;
  std::size_t shownWidth_ = 0;  // columns written on the line since it was cleared
  std::chrono::steady_clock::time_point drawnAt_;
};

}  // namespace skarvik::check
