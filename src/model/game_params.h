#pragma once
// The current game's 346 signed 16-bit parameters, plus the copy of the two
// ranges a deal rewrites (tableau base codes 100-125, base ranks 36-51).
#include <array>
#include <cstddef>
#include <cstdint>

namespace vantrel {

class GameParams {
public:
    static constexpr int Count = 346;

    // Parameters outside 0..345 read as 0.
    int operator[](int n) const { return n >= 0 && n < Count ? values_[static_cast<std::size_t>(n)] : 0; }
    void set(int n, int value);  // truncated to 16 bits; ignored outside 0..345
    void clear() { values_.fill(0); }

    void saveCopy();
    void RestoreGameParameters();

private:
    std::array<int16_t, Count> values_{};
    std::array<int16_t, 26> savedTableauBase_{};
    std::array<int16_t, 16> savedBaseRanks_{};
};

}  // namespace vantrel
