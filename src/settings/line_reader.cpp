#include "settings/line_reader.h"

namespace skarvik {

LineReader::LineReader(const char* path)
    : file_(path != nullptr ? std::fopen(path, "rb") : nullptr) {}

// A carriage return directly before a line feed is not part of the line.
int LineReader::nextChar() {
  const int c = std::getc(file_.get());
  if (c != '\r') {
    return c;
  }
  const int next = std::getc(file_.get());
  if (next == '\n') {
    return next;
  }
  if (next != EOF) {
    std::ungetc(next, file_.get());
  }
  return c;
}

bool LineReader::readLine(std::size_t bufferSize, std::string& line) {
  line.clear();
  if (!file_) {
    return false;
  }
  while (line.size() + 1 < bufferSize) {
    const int c = nextChar();
    if (c == EOF) {
      break;
    }
    line += static_cast<char>(c);
    if (c == '\n') {
      break;
    }
  }
  return !line.empty();
}

}  // namespace skarvik
