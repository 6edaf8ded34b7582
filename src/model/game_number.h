#pragma once
// Game numbers: 13 decimal digits that alone fix the card order of a deal.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vantrel {

class StateRecord;

inline constexpr int GameNumberDigits = 13;

// The platform's random integers; tests supply fixed ones.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual long long uniform(long long low, long long high) = 0;  // low..high inclusive
};

// Seeded once, from the clock and the system's entropy.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    long long uniform(long long low, long long high) override;

private:
    std::mt19937_64 engine_;
};

// The last 13 characters of thirteen zeros followed by `number`; nothing
// when it holds a character other than a decimal digit.
std::optional<std::string> normalizeGameNumber(std::string_view number);

// a * b left-padded with zeros to 13 digits.
std::string gameNumberFromProduct(long long a, long long b);

// Draws a = 0..9 999 998 and b = 0..999 998 and writes a * b to `Deal_Number`.
std::string NewRandomGameNumber(StateRecord& state, RandomSource& random);

}  // namespace vantrel
