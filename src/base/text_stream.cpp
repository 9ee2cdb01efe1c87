#include "base/text_stream.h"

#include <cstdarg>
#include <vector>

namespace skarvik {
namespace {

// Large enough that the output files are written in few system calls.
constexpr std::size_t kFileBufferSize = 1 << 16;

}  // namespace

TextStream::TextStream(const char* path, Mode mode)
    : file_(std::fopen(path, mode == Mode::kAppend ? "ab" : "wb")) {
  // The C library would take its own small buffer and ignore the size.
  if (file_ != nullptr) {
    buffer_ = std::make_unique<char[]>(kFileBufferSize);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kFileBufferSize);
  }
}

TextStream::TextStream(std::FILE* borrowed) : file_(borrowed), owned_(false) {}

TextStream::~TextStream() {
  if (owned_ && file_ != nullptr) std::fclose(file_);
}

TextStream& TextStream::console() {
  static TextStream console(stdout);
  return console;
}

void TextStream::put(const char* bytes, std::size_t count) {
  if (count > 0 && std::fwrite(bytes, 1, count, file_) != count) failed_ = true;
}

void TextStream::write(std::string_view text) {
  if (file_ == nullptr) return;
  std::size_t lf = text.find('\n');
  if (lf == std::string_view::npos) {
    put(text.data(), text.size());
    return;
  }
  translated_.clear();
  std::size_t start = 0;
  for (; lf != std::string_view::npos; lf = text.find('\n', start)) {
    translated_.append(text.substr(start, lf - start)).append("\r\n");
    start = lf + 1;
  }
  translated_.append(text.substr(start));
  put(translated_.data(), translated_.size());
}

long TextStream::position() const {
  if (file_ == nullptr) return -1;
  // The Windows C runtime moves an append stream to the file's end only when
  // it writes to the file: before the first flush its position counts the
  // buffered bytes alone, and the run log would never reach its rotation.
  std::fflush(file_);
  return std::ftell(file_);
}

bool TextStream::close() {
  if (file_ == nullptr) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && std::ferror(file_) == 0;
  if (owned_) {
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
  }
  return ok;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

void ConsolePrint(std::string_view text) { TextStream::console().write(text); }

}  // namespace skarvik
