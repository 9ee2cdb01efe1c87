#include "cipher/cipher_tool.h"

#include <charconv>
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/hex.h"
#include "settings/ini_lookup.h"
#include "settings/value_cipher.h"
#include "skarvik_version.h"

namespace skarvik {
namespace {

constexpr std::string_view kUsageBeforeLimit =
    R"(Usage: skarvik-cipher encrypt TEXT
       skarvik-cipher decrypt HEX
       skarvik-cipher entry SECTION NUMBER KEY TEXT
       skarvik-cipher -h | --help
       skarvik-cipher --version

Enciphers and deciphers the values of the settings file Kelvarion.Ini.

  encrypt TEXT     prints TEXT enciphered, as upper-case hexadecimal
  decrypt HEX      prints the plain text of an enciphered value
  entry SECTION NUMBER KEY TEXT
                   prints a settings entry holding TEXT enciphered, two
                   lines ready to paste: ";SECTION;" and "NUMBER;KEY;HEX"

A TEXT or HEX of "-" is read from standard input (one line), so that a
password need not stand on the command line or in the shell history. When
standard input is a terminal, the value is asked for and not shown.

A TEXT holds at most)";
constexpr std::string_view kUsageAfterLimit =
    R"( bytes and no line feed. SECTION and KEY hold no ";"
and no line break. The login is looked up by KEY with number 0 and an empty
section, and an entry with NUMBER 0 or an empty SECTION answers every such
lookup: give each entry its own SECTION and a NUMBER other than 0.

Exit status: 0 done, 1 a value that cannot be used, 2 wrong usage.
)";

// The whole blocks whose digits the lookup keeps of a value.
constexpr std::size_t kMaxPlainBytes =
    decltype(IniEntry::iniValue)::kCapacity / kBlockDigits * kBlockBytes;
// A line of the settings file leaves room in the lookup's buffer for its
// line feed and the NUL.
constexpr std::size_t kMaxHeaderLine = kHeaderLineBuffer - 2;
constexpr std::size_t kMaxDataLine = kDataLineBuffer - 2;

std::string Usage() {
  return std::string(kUsageBeforeLimit) + " " + std::to_string(kMaxPlainBytes) +
         std::string(kUsageAfterLimit);
}

struct Failure {
  std::string message;
};

std::optional<Failure> CheckPlainText(std::string_view text) {
  if (text.size() > kMaxPlainBytes) {
    return Failure{"TEXT is longer than " + std::to_string(kMaxPlainBytes) +
                   " bytes; the settings file keeps no more of a value"};
  }
  if (text.find_first_of(std::string_view("\0\n", 2)) != std::string_view::npos) {
    return Failure{"TEXT contains a NUL or line feed, which a settings value cannot hold"};
  }
  return std::nullopt;
}

std::optional<Failure> CheckHex(std::string_view hex) {
  if (!IsUpperHex(hex)) {
    return Failure{"HEX may hold only the digits 0-9 and A-F (upper case)"};
  }
  if (hex.size() % kBlockDigits != 0) {
    return Failure{"HEX must have 16 digits for each block"};
  }
  return std::nullopt;
}

std::optional<Failure> CheckName(std::string_view what, std::string_view name) {
  if (name.find_first_of(std::string_view(";\r\n\0", 4)) != std::string_view::npos) {
    return Failure{std::string(what) + " must not contain \";\" or a line break"};
  }
  return std::nullopt;
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  TerminalReader readTerminal;
};

// "-" stands for one line of standard input, its line break removed. On a
// terminal the line is asked for by name and read without echo; the line
// feed that the silent terminal did not show is put on err afterwards.
std::optional<std::string> ReadArgument(std::string_view arg, std::string_view name, Streams io) {
  if (arg != "-") {
    return std::string(arg);
  }
  std::string line;
  bool read = false;
  if (io.readTerminal != nullptr) {
    io.err << "skarvik-cipher: " << name << " (not shown): " << std::flush;
    read = io.readTerminal(line);
    io.err << '\n';
  } else {
    read = static_cast<bool>(std::getline(io.in, line));
  }
  if (!read) {
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

using Args = std::span<const std::string_view>;
using Result = std::optional<Failure>;

Result Encrypt(Args args, Streams io) {
  const std::optional<std::string> text = ReadArgument(args[0], "TEXT", io);
  if (!text) {
    return Failure{"no TEXT on standard input"};
  }
  if (Result bad = CheckPlainText(*text)) {
    return bad;
  }
  io.out << EncryptValue(*text, kSettingsKey) << '\n';
  return std::nullopt;
}

Result Decrypt(Args args, Streams io) {
  const std::optional<std::string> hex = ReadArgument(args[0], "HEX", io);
  if (!hex) {
    return Failure{"no HEX on standard input"};
  }
  if (Result bad = CheckHex(*hex)) {
    return bad;
  }
  std::vector<char> plain(hex->size() / 2 + 1);
  DecryptValue(*hex, plain, kSettingsKey);
  io.out << plain.data() << '\n';
  return std::nullopt;
}

Result Entry(Args args, Streams io) {
  const std::string_view section = args[0];
  const std::string_view key = args[2];
  const std::optional<std::int32_t> number = ParseDecimal(args[1]);
  if (!number) {
    return Failure{"NUMBER must be a decimal integer from -2147483648 to 2147483647"};
  }
  if (Result bad = CheckName("SECTION", section)) return bad;
  if (Result bad = CheckName("KEY", key)) return bad;
  const std::optional<std::string> text = ReadArgument(args[3], "TEXT", io);
  if (!text) {
    return Failure{"no TEXT on standard input"};
  }
  if (Result bad = CheckPlainText(*text)) return bad;

  const std::string header = ";" + std::string(section) + ";";
  const std::string data =
      std::to_string(*number) + ";" + std::string(key) + ";" + EncryptValue(*text, kSettingsKey);
  if (header.size() > kMaxHeaderLine || data.size() > kMaxDataLine) {
    return Failure{"SECTION or KEY is too long for a line of the settings file"};
  }
  if (*number == 0 || section.empty()) {
    io.err << "skarvik-cipher: warning: an entry with NUMBER 0 or an empty SECTION answers "
              "every login lookup that reaches it; the entries after it are never read for the "
              "login\n";
  }
  io.out << header << '\n' << data << '\n';
  return std::nullopt;
}

struct CipherCommand {
  std::string_view name;
  std::size_t argCount;
  Result (*run)(Args, Streams);
};

constexpr CipherCommand kCommands[] = {
    {"encrypt", 1, Encrypt},
    {"decrypt", 1, Decrypt},
    {"entry", 4, Entry},
};

int UsageError(std::ostream& err, std::string_view problem) {
  err << "skarvik-cipher: " << problem << "\n\n" << Usage();
  return kCipherUsageError;
}

}  // namespace

int RunCipherTool(Args args, std::istream& in, std::ostream& out, std::ostream& err,
                  TerminalReader readTerminal) {
  if (args.empty()) {
    return UsageError(err, "no command given");
  }
  if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
    out << Usage();
    return kCipherOk;
  }
  if (args.size() == 1 && args[0] == "--version") {
    out << "skarvik-cipher " << kSkarvikVersion << '\n';
    return kCipherOk;
  }
  for (const CipherCommand& command : kCommands) {
    if (args[0] != command.name) {
      continue;
    }
    if (args.size() - 1 != command.argCount) {
      return UsageError(err, "wrong number of arguments for " + std::string(command.name));
    }
    if (const Result failure = command.run(args.subspan(1), Streams{in, out, err, readTerminal})) {
      err << "skarvik-cipher: " << failure->message << '\n';
      return kCipherInvalidValue;
    }
    return kCipherOk;
  }
  return UsageError(err, "unknown command \"" + std::string(args[0]) + "\"");
}

}  // namespace skarvik
