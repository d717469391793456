// Integers stored as text, against a plain reference: decimal with an optional sign within
// the signed 32-bit range, or hexadecimal after "0x", "0X" or "$" as a 32-bit pattern.
#include <cctype>

#include "fuzz/FuzzSupport.h"
#include "settings/IntegerText.h"

namespace {

std::optional<std::int32_t> Reference(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (text.compare(i, 1, "$") == 0) {
    base = 16;
    i += 1;
  } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  // Digits only; the value in 128 bits cannot overflow before a 40-digit text is refused.
  unsigned __int128 value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int d = std::isdigit(c) ? c - '0'
                            : (base == 16 && std::isxdigit(c) ? std::tolower(c) - 'a' + 10 : -1);
    if (d < 0) return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 16) {
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }
  if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return std::nullopt;
  const std::int64_t v =
      negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
  return static_cast<std::int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  const std::optional<std::int32_t> got = settings::ParseInteger(text);
  const std::optional<std::int32_t> want = Reference(text);
  fuzz::Check(got == want, "ParseInteger agrees with the reference", text);
  // What the program writes (decimal) reads back as the same number.
  if (got) {
    fuzz::Check(settings::ParseInteger(std::to_string(*got)) == got, "decimal round trip", text);
    fuzz::Check(settings::IntOrDefault(text, 7) == *got, "a number is no default", text);
  } else {
    fuzz::Check(settings::IntOrDefault(text, 7) == 7, "not a number gives the default", text);
  }
  return 0;
}
