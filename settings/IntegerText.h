// Integers stored as text: the conversion every numeric setting goes through.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace settings {

// Decimal with an optional sign, or hexadecimal after "0x", "0X" or "$" (the sign, if any,
// comes first). Hexadecimal text is the 32-bit pattern, so "$FFFFFFFF" is -1, as a DWORD
// would read. Empty text, anything that is not wholly a number, and decimal numbers outside
// the signed 32-bit range give nullopt.
std::optional<std::int32_t> ParseInteger(const std::string& text);

// The stored text as an integer, or def when it is not one.
inline std::int32_t IntOrDefault(const std::string& text, std::int32_t def) {
  return ParseInteger(text).value_or(def);
}

// The value in decimal, zero-padded to at least width characters with a minus sign counted
// in, as printf's "%0*d" writes it. The program formats its numbers with this and
// std::to_string so that the C library's whole printf and floating-point machinery stays out
// of it.
std::string ZeroPadded(long long value, int width);

}  // namespace settings
