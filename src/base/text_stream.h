// Text streams as the old platform wrote them.
//
// The old system wrote its output files, its run log and its console in text
// mode, where every line feed reaches the file as carriage return and line
// feed. The newer system reads those bytes as they are, so every writer of
// this program goes through TextStream, which does that translation in one
// place and on every platform (files are opened in binary mode underneath).
//
// A TextStream owns its FILE (except the console's) and remembers whether any
// byte failed to reach it; close() reports that, since a destructor cannot.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace skarvik {

class TextStream {
 public:
  // Opens path in binary mode, "wb" (emptying it) or "ab"; check isOpen().
  enum class Mode { kTruncate, kAppend };
  TextStream(const char* path, Mode mode);
  ~TextStream();
  TextStream(const TextStream&) = delete;
  TextStream& operator=(const TextStream&) = delete;

  // The process's standard output, which is never closed here.
  static TextStream& console();

  bool isOpen() const { return file_ != nullptr; }
  void write(std::string_view text);
  // Bytes stored so far, counted as on disk (CR LF as two).
  long position() const;
  // Flushes and closes; false when any write, the flush or the close failed.
  bool close();

 private:
  explicit TextStream(std::FILE* borrowed);
  void put(const char* bytes, std::size_t count);

  std::unique_ptr<char[]> buffer_;  // the FILE writes through it until closed
  std::FILE* file_ = nullptr;
  bool owned_ = true;
  bool failed_ = false;
  std::string translated_;  // reused, so a line costs no allocation
};

// printf-style formatting into a string, for the system's message texts.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes a console message (line feeds become CR LF).
void ConsolePrint(std::string_view text);

}  // namespace skarvik
