// Reading the settings file line by line as the old system's C runtime did.
//
// The old system read the file in text mode with fixed line buffers: a
// carriage return before a line feed vanished, and a line longer than the
// buffer came back in pieces, each piece counting as a line of its own.
// LineReader gives the same lines on every platform: it opens the file in
// binary mode and drops the carriage returns itself.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace skarvik {

class LineReader {
 public:
  explicit LineReader(const char* path);

  bool isOpen() const { return file_ != nullptr; }

  // Reads as a line buffer of bufferSize bytes would be filled: up to and
  // including the next line feed, but at most bufferSize - 1 characters.
  // Returns false, with line empty, when the end of the file comes first.
  bool readLine(std::size_t bufferSize, std::string& line);

 private:
  int nextChar();

  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace skarvik
