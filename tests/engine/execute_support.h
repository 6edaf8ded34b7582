#pragma once
// A hand-built table with a move executor, a feedback that records every
// drawing request and a sound device that records what it was asked to play.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/move_execution.h"
#include "engine/sounds.h"
#include "model/cards.h"
#include "model/game.h"

namespace vantrel::exec_test {

constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return 13 + rank; }
constexpr int C(int rank) { return 26 + rank; }
constexpr int S(int rank) { return 39 + rank; }

inline std::string pileText(std::initializer_list<int> cards) {
    std::string text;
    for (int c : cards) text += cardCode(c);
    return text;
}

struct RecordingFeedback : MoveFeedback {
    struct Flight {
        int card;
        CardSpot from, to;
    };
    void infoBox(std::string_view text) override { messages.emplace_back(text); }
    void drawCardAt(int card, const CardSpot& at) override { drawn.push_back({card, at, at}); }
    void animateCard(int card, const CardSpot& from, const CardSpot& to) override {
        flights.push_back({card, from, to});
    }
    void repaintRect(const CardSpot& from, int cards) override { repaintedAreas.push_back({cards, from, from}); }
    void repaintPile(PileRef pile) override { repaintedPiles.push_back(pile); }
    void repaintTable() override { ++tableRepaints; }
    void drawEmptyStockMarker(PileRef at) override { markers.push_back(at); }
    void drawEmptyStock() override { ++emptyStockDrawn; }
    void flipCard(int card, const CardSpot&) override { flipped.push_back(card); }
    int drawnExtent() const override { return extent; }

    std::vector<std::string> messages;
    std::vector<Flight> drawn, flights, repaintedAreas;
    std::vector<PileRef> repaintedPiles, markers;
    std::vector<int> flipped;
    int tableRepaints = 0;
    int emptyStockDrawn = 0;
    int extent = 0;
};

struct RecordingSoundDevice : SoundDevice {
    void play(const std::string& path, SoundPlay how) override { played.push_back({path, how}); }
    void stop() override { ++stops; }
    // The sound names played, without the folder.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& p : played) out.push_back(p.first.substr(p.first.rfind('\\') + 1));
        return out;
    }
    std::vector<std::pair<std::string, SoundPlay>> played;
    int stops = 0;
};

// Every pile group in use, every sound switch on, standard scoring.
struct Table {
    Table() {
        param(261, 4);
        param(262, 8);
        param(263, 4);
        param(265, 52);
        param(19, 1);
        game.state.write(field::Scoring_System, "01");
        for (Field f : {field::Sounds_Enabled, field::Sounds_Autoplay, field::Sounds_Shuffle, field::Sounds_Pairing,
                        field::Sounds_Stock, field::Sounds_Tableau, field::Sounds_Redeal, field::Sounds_Foundation,
                        field::Cards_Animate, field::Redeal_Animation})
            game.state.write(f, "Y");
        game.inProgress = true;
    }
    void param(int n, int value) { game.params.set(n, value); }
    std::string& row(int k) { return game.piles.tableau[static_cast<size_t>(k)]; }
    std::string& foundation(int j) { return game.piles.foundations[static_cast<size_t>(j)]; }
    std::string& reserve(int n) { return game.piles.reserves[static_cast<size_t>(n - 1)]; }
    std::string& stock() { return game.piles.stock[StockEntry]; }
    std::string& waste() { return game.piles.stock[WasteEntry]; }
    std::string& secondWaste() { return game.piles.stock[SecondWasteEntry]; }
    void row(int k, std::initializer_list<int> cards) { row(k) = pileText(cards); }
    void foundation(int j, std::initializer_list<int> cards) { foundation(j) = pileText(cards); }
    void reserve(int n, std::initializer_list<int> cards) { reserve(n) = pileText(cards); }
    void stock(std::initializer_list<int> cards) { stock() = pileText(cards); }
    void waste(std::initializer_list<int> cards) { waste() = pileText(cards); }
    bool run(int card, std::string_view action) { return executor.Execute(card, action); }
    std::vector<std::string> sounds() const { return device.names(); }
    // Every pile text in group order, for before/after comparisons.
    std::vector<std::string> snapshot() const {
        std::vector<std::string> all;
        for (const auto& p : game.piles.stock) all.push_back(p);
        for (const auto& p : game.piles.foundations) all.push_back(p);
        for (const auto& p : game.piles.tableau) all.push_back(p);
        for (const auto& p : game.piles.reserves) all.push_back(p);
        return all;
    }

    Game game;
    RecordingFeedback feedback;
    RecordingSoundDevice device;
    Sounds soundPlayer{game.state, device};
    MoveExecutor executor{game, feedback, &soundPlayer};
};

}  // namespace vantrel::exec_test
