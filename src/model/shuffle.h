#pragma once
// The card order that a game number produces for a deck size.
#include <optional>
#include <string_view>
#include <vector>

namespace vantrel {

class Messages;

inline constexpr std::string_view DeckSizeError = "Error 01 - fnGameNumberCardsArray";

// The deck list: N card numbers, entry 0 dealt first, 0 for a slot no card
// reached. Deck sizes 1-52 use one deck, 104 two; any other size (0 and
// below included) shows `DeckSizeError` and leaves every slot a gap.
// A game number with a non-digit gives nothing, after a message.
std::optional<std::vector<int>> Shuffle(std::string_view gameNumber, int deckSize, Messages* messages);

}  // namespace vantrel
