// Fixed-width text fields.
//
// Every column of the old database is fetched as text into a buffer one byte
// longer than the column, and every output line is built from such buffers.
// Text<N> is that buffer: N bytes including the terminating NUL, so it holds
// at most N-1 characters. Every way of putting bytes into it is bounded by
// construction, and records made of Text fields stay trivially copyable, so a
// record is cleared or copied whole in one statement.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace skarvik {

// The old system pads its values with blanks and tabs: they are cut after
// every fetch. Line feeds and carriage returns stay. The text ends at its
// first NUL or after capacity bytes.
inline void RTrim(char* text, std::size_t capacity) {
  std::size_t n = ::strnlen(text, capacity);
  while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t')) text[--n] = '\0';
}

// value without the blanks and tabs at its end, as a fetch leaves it.
inline std::string_view RTrimmed(std::string_view value) {
  const std::size_t end = value.find_last_not_of(" \t");
  return end == std::string_view::npos ? std::string_view() : value.substr(0, end + 1);
}

template <std::size_t kSize>
struct Text {
  static_assert(kSize >= 1, "a text field needs room for its NUL");
  static constexpr std::size_t kCapacity = kSize - 1;

  std::array<char, kSize> bytes{};

  const char* cStr() const { return bytes.data(); }
  char* data() { return bytes.data(); }
  std::string_view view() const { return {bytes.data(), size()}; }
  std::size_t size() const { return ::strnlen(bytes.data(), kSize); }
  bool empty() const { return bytes[0] == '\0'; }
  bool operator==(std::string_view other) const { return view() == other; }

  // Cuts the value at kCapacity characters and clears the rest of the field, so
  // the field holds exactly what it shows.
  void assign(std::string_view value) {
    const std::size_t n = value.size() < kCapacity ? value.size() : kCapacity;
    std::memcpy(bytes.data(), value.data(), n);
    std::memset(bytes.data() + n, 0, kSize - n);
  }

  // Clears a field that held a secret in a way the compiler may not drop.
  void wipe() {
    volatile char* p = bytes.data();
    for (std::size_t i = 0; i < kSize; ++i) p[i] = '\0';
  }

  // MariaDB Connector/ODBC 3.1.15 fills a character buffer completely,
  // without a NUL, when the value is as long as the buffer or longer; the
  // last byte is ours, whatever the driver wrote.
  void terminate() { bytes[kSize - 1] = '\0'; }

  void rtrim() { RTrim(bytes.data(), kSize); }

  // What the newer system keeps of a longer text: its first kCapacity
  // characters, without the blanks the cut may leave at the end.
  void assignCut(std::string_view value) {
    assign(value);
    rtrim();
  }
};

// Upper-cases ASCII letters in place; bytes of 0x80 and above stay, since the
// old system's texts are ISO-8859-1 and its comparisons knew only ASCII.
inline char* StrUpper(char* text) {
  for (char* p = text; *p != '\0'; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
  return text;
}

}  // namespace skarvik
