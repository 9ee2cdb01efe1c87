#include "check/report/progress.h"

#include <algorithm>

#include "check/report/console.h"

namespace skarvik::check {

namespace {

constexpr auto kInterval = std::chrono::milliseconds(200);

}  // namespace

Progress::Progress(std::FILE* stream, bool enabled) : stream_(stream), enabled_(enabled) {}

Progress::~Progress() { finish(); }

void Progress::phase(std::string_view name) {
  if (!enabled_) return;
  phase_ = name;
  rows_ = 0;
  draw();
}

void Progress::rows(std::int64_t count) {
  if (!enabled_) return;
  rows_ += count;
  if (std::chrono::steady_clock::now() - drawnAt_ >= kInterval) draw();
}

void Progress::finish() {
  if (!enabled_ || shownWidth_ == 0) return;
  std::fprintf(stream_, "\r%s\r", std::string(shownWidth_, ' ').c_str());
  std::fflush(stream_);
  shownWidth_ = 0;
}

void Progress::draw() {
  std::string text = phase_ + ": " + std::to_string(rows_) + " rows read";
  if (text.size() > kConsoleColumns) text.resize(kConsoleColumns);
  const std::size_t width = text.size();
  // Blanks cover what is left of a longer text before it.
  if (width < shownWidth_) text.append(shownWidth_ - width, ' ');
  std::fprintf(stream_, "\r%s", text.c_str());
  std::fflush(stream_);
  shownWidth_ = std::max(width, shownWidth_);
  drawnAt_ = std::chrono::steady_clock::now();
}

}  // namespace skarvik::check
