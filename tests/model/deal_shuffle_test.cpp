// Card order from a game number, and the random game number.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "deal_support.h"
#include "model/game_number.h"
#include "model/shuffle.h"

namespace vantrel {
namespace {

using test::RecordingMessages;

std::vector<int> shuffled(const std::string& number, int n) {
    RecordingMessages m;
    auto deck = Shuffle(number, n, &m);
    EXPECT_TRUE(m.shown.empty());
    return deck.value_or(std::vector<int>{});
}

const char* const Numbers[] = {"0000000000000", "0000000000001", "1234567890123", "9999999999999",
                               "5000000000005", "0909090909090", "1000000000000", "7777777777777",
                               "3141592653589", "0000000000408"};

TEST(Shuffle, FullDecksArePermutations) {
    for (int n : {52, 104}) {
        for (const char* number : Numbers) {
            std::vector<int> deck = shuffled(number, n);
            std::sort(deck.begin(), deck.end());
            std::vector<int> all(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) all[static_cast<size_t>(i)] = i + 1;
            EXPECT_EQ(deck, all) << number << " N=" << n;
        }
    }
}

TEST(Shuffle, SameNumberSameOrderAndNumbersDiffer) {
    std::set<std::vector<int>> seen;
    for (const char* number : Numbers) {
        EXPECT_EQ(shuffled(number, 52), shuffled(number, 52));
        seen.insert(shuffled(number, 52));
    }
    EXPECT_EQ(seen.size(), std::size(Numbers));
}

TEST(Shuffle, ThirteenZerosPlaceByTheTablesAndSearchForward) {
    const std::vector<int> deck = shuffled("0000000000000", 52);
    // Step 1 draws the Aces into slots 25, 43, 4 (43 + 13 wraps) and 26;
    // step 2 the twos into 51, 17, 30 and 0.
    const std::pair<int, int> placed[] = {{25, 40}, {43, 14}, {4, 27}, {26, 1},
                                          {51, 41}, {17, 15}, {30, 28}, {0, 2}};
    for (const auto& [slot, card] : placed) EXPECT_EQ(deck[static_cast<size_t>(slot)], card) << "slot " << slot;
    // Step 3 aims at 25 again: taken, as is 26, so the zero digit searches
    // forward to 27.
    EXPECT_EQ(deck[27], 42);
}

TEST(Shuffle, OnlyTheLastThirteenDigitsCount) {
    EXPECT_EQ(shuffled("408", 52), shuffled("0000000000408", 52));
    EXPECT_EQ(shuffled("", 52), shuffled("0000000000000", 52));
    EXPECT_EQ(shuffled("55551234567890123", 104), shuffled("1234567890123", 104));
}

TEST(Shuffle, SmallDeckKeepsTheFirstPlacements) {
    const std::vector<int> deck = shuffled("0000000000000", 10);
    ASSERT_EQ(deck.size(), 10u);
    EXPECT_EQ(std::count(deck.begin(), deck.end(), 0), 0);
    EXPECT_EQ(std::set<int>(deck.begin(), deck.end()).size(), 10u);
    // 25, 43, 56 and 78 reduced mod 10.
    EXPECT_EQ(deck[5], 40);
    EXPECT_EQ(deck[3], 14);
    EXPECT_EQ(deck[6], 27);
    EXPECT_EQ(deck[8], 1);
}

TEST(Shuffle, UnsupportedDeckSizesLeaveGapsAfterAMessage) {
    for (int n : {0, -1, -52, 53, 78, 103, 105}) {
        RecordingMessages m;
        const auto deck = Shuffle("1234567890123", n, &m);
        ASSERT_TRUE(deck.has_value()) << n;
        EXPECT_EQ(deck->size(), static_cast<size_t>(std::max(n, 0))) << n;
        EXPECT_EQ(std::count(deck->begin(), deck->end(), 0), static_cast<long>(deck->size())) << n;
        EXPECT_EQ(m.shown, std::vector<std::string>{std::string(DeckSizeError)}) << n;
    }
}

TEST(Shuffle, NonDigitIsRefused) {
    RecordingMessages m;
    EXPECT_FALSE(Shuffle("12x4", 52, &m).has_value());
    ASSERT_EQ(m.shown.size(), 1u);
    EXPECT_NE(m.shown[0].find("12x4"), std::string::npos);
}

struct FixedRandom : RandomSource {
    std::vector<long long> values;
    std::vector<std::pair<long long, long long>> asked;
    long long uniform(long long low, long long high) override {
        asked.emplace_back(low, high);
        const long long v = values.front();
        values.erase(values.begin());
        return v;
    }
};

TEST(GameNumber, ProductIsZeroPaddedToThirteenDigits) {
    EXPECT_EQ(gameNumberFromProduct(0, 123456), "0000000000000");
    EXPECT_EQ(gameNumberFromProduct(12, 34), "0000000000408");
    EXPECT_EQ(gameNumberFromProduct(9'999'998, 999'998), "9999978000004");
}

TEST(GameNumber, NewRandomNumberDrawsBothFactorsAndIsStored) {
    StateRecord state;
    FixedRandom random;
    random.values = {12, 34};
    EXPECT_EQ(NewRandomGameNumber(state, random), "0000000000408");
    EXPECT_EQ(state.read(field::Deal_Number), "0000000000408");
    const std::vector<std::pair<long long, long long>> ranges{{0, 9'999'998}, {0, 999'998}};
    EXPECT_EQ(random.asked, ranges);
}

}  // namespace
}  // namespace vantrel
