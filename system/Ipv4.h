// Dotted IPv4 addresses as the user types them in the settings.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace sys {

// Exactly four decimal parts of 0..255 separated by dots ("192.168.0.1"); anything else,
// including empty text, blanks, signs and short forms like "10.1", gives nullopt.
std::optional<std::array<std::uint8_t, 4>> ParseIPv4(const std::string& text);

}  // namespace sys
