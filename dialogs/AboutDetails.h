// The maker's details that the about dialog shows, in one place: the name, the two
// addresses its links open, and the texts of the payment-detail fields.
//
// The program is free, so those fields hold a notice saying so rather than any account.
// Their texts are kept scrambled in the program file, so that they cannot be read from it
// with a text viewer nor patched in place into something else: byte i of the text is
// XORed with (0xA5 + 31 * i) mod 256. The scrambling happens at compile time; only the
// scrambled bytes reach the program file.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace about {

inline constexpr char kMaker[] = "Tessmark";
// Under the reserved example domain until the project has one of its own.
inline constexpr char kMailAddress[] = "quonthary@example.com";
inline constexpr char kWebAddress[] = "www.example.com/quonthary";
inline const std::string kMailLink = std::string("mailto:") + kMailAddress;
inline const std::string kWebLink = std::string("http://") + kWebAddress + "/";

constexpr char ScrambleKey(std::size_t i) { return static_cast<char>((0xA5 + 31 * i) & 0xFF); }

template <std::size_t N>
struct Scrambled {
  std::array<char, N - 1> Bytes{};
  std::string_view View() const { return {Bytes.data(), Bytes.size()}; }
};

template <std::size_t N>
constexpr Scrambled<N> Scramble(const char (&plain)[N]) {
  Scrambled<N> out;
  for (std::size_t i = 0; i + 1 < N; ++i)
    out.Bytes[i] = static_cast<char>(plain[i] ^ ScrambleKey(i));
  return out;
}

// The plain text of scrambled bytes (scrambling is its own inverse).
std::string Unscramble(std::string_view stored);

// The payment detail field, and the two further fields for users abroad.
std::string PaymentText();
std::string PaymentAbroadText1();
std::string PaymentAbroadText2();

}  // namespace about
