// Messages with places for values: "%1 has %2, expected %3". A translation may put the places
// in any order; values are inserted as they are, never read as places themselves.
#pragma once
#include <initializer_list>
#include <string>

// Each "%1" ... "%9" of pattern replaced by that value (a place without a value stays empty);
// any other "%" is kept.
std::string FillIn(const std::string& pattern, std::initializer_list<std::string> values);
