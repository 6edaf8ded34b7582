#include "model/game_number.h"

#include <chrono>

#include "model/state_record.h"

namespace vantrel {

SystemRandom::SystemRandom() {
    std::random_device device;
    const auto now = static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<uint32_t>(device()), static_cast<uint32_t>(now), static_cast<uint32_t>(now >> 32)};
    engine_.seed(seed);
}

long long SystemRandom::uniform(long long low, long long high) {
    return std::uniform_int_distribution<long long>(low, high)(engine_);
}

std::optional<std::string> normalizeGameNumber(std::string_view number) {
    for (char c : number)
        if (c < '0' || c > '9') return std::nullopt;
    if (number.size() >= GameNumberDigits) return std::string(number.substr(number.size() - GameNumberDigits));
    return std::string(GameNumberDigits - number.size(), '0') + std::string(number);
}

std::string gameNumberFromProduct(long long a, long long b) {
    const long long p = a * b;
    return *normalizeGameNumber(std::to_string(p < 0 ? -p : p));  // written without sign
}

std::string NewRandomGameNumber(StateRecord& state, RandomSource& random) {
    const long long a = random.uniform(0, 9'999'998);
    const long long b = random.uniform(0, 999'998);
    std::string number = gameNumberFromProduct(a, b);
    state.write(field::Deal_Number, number);
    return number;
}

}  // namespace vantrel
