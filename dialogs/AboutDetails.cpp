#include "dialogs/AboutDetails.h"

namespace about {

namespace {

constexpr auto kPayment = Scramble("Nothing to pay: it is free");
constexpr auto kAbroad1 = Scramble("Free in every country");
constexpr auto kAbroad2 = Scramble("No account, no fee");

}  // namespace

std::string Unscramble(std::string_view stored) {
  std::string plain(stored);
  for (std::size_t i = 0; i < plain.size(); ++i)
    plain[i] = static_cast<char>(plain[i] ^ ScrambleKey(i));
  return plain;
}

std::string PaymentText() { return Unscramble(kPayment.View()); }
std::string PaymentAbroadText1() { return Unscramble(kAbroad1.View()); }
std::string PaymentAbroadText2() { return Unscramble(kAbroad2.View()); }

}  // namespace about
