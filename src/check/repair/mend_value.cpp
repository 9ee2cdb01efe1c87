#include "check/repair/mend_value.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "base/text.h"
#include "check/preflight/misread_bytes.h"

namespace skarvik::check {
namespace {

using Applied = std::array<bool, static_cast<std::size_t>(Mend::kTrim) + 1>;

// Appends what stands for a code point in ISO-8859-1; false when nothing
// does. Nobody types the control characters U+0080 to U+009F: a text holding
// them is Windows-1252 that was converted as if it were ISO-8859-1, so each
// stands for what Windows-1252 keeps at its byte, and goes where it keeps
// nothing.
bool AppendIso8859(std::uint32_t point, std::string& out) {
  if (point >= 0x80 && point <= 0x9F) {
    const Windows1252Character* meant = Windows1252AtByte(static_cast<std::uint8_t>(point));
    if (meant != nullptr) out += meant->mended;
    return true;
  }
  if (point <= 0xFF) {
    out += static_cast<char>(point);
    return true;
  }
  const Windows1252Character* meant = Windows1252OfCodePoint(point);
  if (meant == nullptr) return false;
  out += meant->mended;
  return true;
}

// UTF-8 text as ISO-8859-1; nothing, and why, when it holds a character that
// ISO-8859-1 lacks.
std::optional<std::string> FromUtf8(std::string_view value, std::string& refusal) {
  std::string out;
  for (std::size_t i = 0; i < value.size();) {
    if (static_cast<std::uint8_t>(value[i]) < 0x80) {
      out += value[i++];
      continue;
    }
    const std::string_view sequence = value.substr(i, Utf8SequenceLength(value.substr(i)));
    const std::uint32_t point = Utf8CodePoint(sequence);
    if (!AppendIso8859(point, out)) {
      refusal = CodePointName(point) + " has no ISO-8859-1 form";
      return std::nullopt;
    }
    i += sequence.size();
  }
  return out;
}

// Text that is no UTF-8 is read as Windows-1252: each byte is its own code
// point, and every one up to 0xFF has an ISO-8859-1 form.
std::string FromWindows1252(std::string_view value) {
  std::string out;
  for (const char c : value) AppendIso8859(static_cast<std::uint8_t>(c), out);
  return out;
}

// Control bytes go. A tab between words stands for a gap and becomes a
// blank; tabs at the end are left alone, as a fetch drops them and a key's
// are trimmed.
std::string WithoutControlBytes(std::string_view value) {
  std::string out;
  for (const char c : value) {
    const auto byte = static_cast<std::uint8_t>(c);
    if ((byte >= 0x20 && byte != 0x7F) || c == '\t' || c == '\r' || c == '\n') out += c;
  }
  const auto end = out.begin() + static_cast<std::ptrdiff_t>(RTrimmed(out).size());
  std::replace(out.begin(), end, '\t', ' ');
  return out;
}

// A CR LF, a lone CR and a lone LF each become one blank.
std::string LineBreaksAsBlanks(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    out += value[i] == '\r' || value[i] == '\n' ? ' ' : value[i];
  }
  return out;
}

// Every rule once, in Mend's order; false, and why, when one refuses.
bool MendOnce(std::string& value, const MendRules& rules, Applied& applied, std::string& refusal) {
  const auto apply = [&](Mend mend, std::string mended) {
    if (mended == value) return;
    applied[static_cast<std::size_t>(mend)] = true;
    value = std::move(mended);
  };
  if (IsUtf8Text(value)) {
    std::optional<std::string> decoded = FromUtf8(value, refusal);
    if (!decoded) return false;
    apply(Mend::kUtf8, std::move(*decoded));
  } else {
    apply(Mend::kWindows1252, FromWindows1252(value));
  }
  apply(Mend::kControlByte, WithoutControlBytes(value));
  apply(Mend::kLineBreak, LineBreaksAsBlanks(value));
  std::string commas = value;
  std::replace(commas.begin(), commas.end(), ',', rules.comma);
  apply(Mend::kComma, std::move(commas));
  if (rules.trim) apply(Mend::kTrim, std::string(RTrimmed(value)));
  return true;
}

}  // namespace

Mended MendValue(std::string_view stored, const MendRules& rules) {
  const auto refuse = [&](std::string why) {
    return Mended{.value = std::string(stored), .applied = {}, .refusal = std::move(why)};
  };
  if (stored.find('\0') != std::string_view::npos) return refuse("holds a NUL byte");
  // A pass can leave UTF-8 text behind: text encoded twice, or a sequence
  // that a removed byte had split. Passes run until one changes nothing, so
  // that mending the result finds nothing more to do. After the first pass
  // only decoding changes anything, and it always leaves fewer bytes above
  // 0x7F, so the passes end.
  std::string value(stored);
  Applied applied{};
  std::string refusal;
  std::string before;
  do {
    before = value;
    if (!MendOnce(value, rules, applied, refusal)) return refuse(refusal);
  } while (value != before);
  if (rules.maxLength != 0 && value != stored && value.size() > rules.maxLength) {
    return refuse("has " + std::to_string(value.size()) +
                  " characters when mended, more than the " + std::to_string(rules.maxLength) +
                  " there is room for");
  }
  Mended mended{.value = std::move(value), .applied = {}, .refusal = {}};
  for (std::size_t i = 0; i < applied.size(); ++i) {
    if (applied[i]) mended.applied.push_back(static_cast<Mend>(i));
  }
  return mended;
}

std::string_view MendName(Mend mend) {
  switch (mend) {
    case Mend::kUtf8:
      return "UTF-8";
    case Mend::kWindows1252:
      return "Windows-1252";
    case Mend::kControlByte:
      return "control byte";
    case Mend::kLineBreak:
      return "line break";
    case Mend::kComma:
      return "comma";
    case Mend::kTrim:
      break;
  }
  return "trailing blanks";
}

}  // namespace skarvik::check
