#include "monkey.h"

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/hit_test.h"
#include "engine/move_execution.h"
#include "engine/score.h"
#include "engine/table_play.h"
#include "model/cards.h"
#include "model/game.h"
#include "model/games_file.h"
#include "model/param_ids.h"
#include "play_driver.h"
#include "play_host.h"
#include "view/layout/layout_report.h"

namespace solitaire_deal {

namespace {

constexpr int EventsPerGame = 150;       // a new deal after this many, if the game goes on
constexpr int EventsAfterEnd = 3;        // events tried on a table whose game has ended
constexpr long FeedbackBudget = 200000;  // drawing, sound and beep calls one event may cause

// A run away: more feedback calls in one event than any real move needs.
struct OverBudget {};

class CountingHost : public PlayHost {
public:
    using PlayHost::PlayHost;
    void startEvent() { calls_ = 0; }
    void drawCardAt(int card, const CardSpot& at) override { tick(), PlayHost::drawCardAt(card, at); }
    void animateCard(int card, const CardSpot& a, const CardSpot& b) override { tick(), PlayHost::animateCard(card, a, b); }
    void repaintTable() override { tick(); }
    void beep() override { tick(), PlayHost::beep(); }
    void play(const std::string& path, SoundPlay how) override { tick(), PlayHost::play(path, how); }
    void infoBox(std::string_view text) override { tick(), PlayHost::infoBox(text); }

private:
    void tick() {
        if (++calls_ > FeedbackBudget) throw OverBudget{};
    }
    long calls_ = 0;
};

class Quiet : public Messages {
public:
    void infoBox(std::string_view) override {}
};

const std::array<const char*, 5> Layouts{
    "width=1007,height=768,top=52,bottom=738,screen=1024x768,winh=768,shadow=9,card=B",
    "width=783,height=600,top=30,bottom=570,screen=1024x800,winh=500,shadow=0,card=M",
    "width=1263,height=1024,top=52,bottom=994,screen=1920x1080,winh=1024,shadow=9,card=B",
    "width=623,height=480,top=5,bottom=450,screen=640x480,winh=480,shadow=9,card=L",
    "width=1903,height=1080,top=52,bottom=1050,screen=1920x1080,winh=980,shadow=0,card=B",
};

// One script line.
struct Step {
    std::string verb;  // press, release, move, dblclick, autoplay, set
    std::string word;  // left/right, on/off, or the field and value of set
    int x = 0, y = 0;
    std::string line() const {
        if (verb == "autoplay" || verb == "set") return verb + ' ' + word;
        if (verb == "move" || verb == "dblclick") return verb + ' ' + std::to_string(x) + ' ' + std::to_string(y);
        return verb + ' ' + word + ' ' + std::to_string(x) + ' ' + std::to_string(y);
    }
};

class Monkey {
public:
    Monkey(const GamesFile& games, const std::vector<GameListEntry>& list, std::uint64_t seed, std::ostream& out,
           const PlantFault& plantFault)
        : games_(games), list_(list), rnd_(seed), out_(out), plantFault_(plantFault) {}
    int run(long events);

private:
    bool startGame();
    void synthesize();
    std::vector<Step> randomEvent();
    bool playStep(const Step& s);
    std::string check(const std::string& before) const;
    std::string tableText() const;
    void report(const std::string& what) const;

    int pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rnd_); }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rnd_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rnd_); }
    std::vector<PileRef> placedPiles(bool withCards) const;
    std::pair<int, int> pointOn(PileRef pile, int index);
    std::pair<int, int> pointNext(PileRef pile);
    bool pairGame() const {
        const int f = game_.params[param::Family];
        return game_.params[param::PairSum] != 0 || f == 3 || f == 4;
    }

    const GamesFile& games_;
    const std::vector<GameListEntry>& list_;
    std::mt19937_64 rnd_;
    std::ostream& out_;
    const PlantFault& plantFault_;

    Game game_;
    size_t nextShipped_ = 0;
    long gamesStarted_ = 0;
    int number_ = 0;
    bool synthetic_ = false;
    std::string deal_;
    const char* layout_ = Layouts[0];
    TableGeometry geometry_;
    std::vector<int> dealt_;  // the cards on the table after the deal, sorted
    std::vector<Step> script_;
    std::ostringstream sink_;
    std::unique_ptr<CountingHost> host_;
    std::unique_ptr<Sounds> sounds_;
    std::unique_ptr<MoveExecutor> executor_;
    std::unique_ptr<TablePlay> play_;
    bool autoplay_ = false;
};

// Every table card, gaps aside; in pair games the first foundation is the
// selection, which lists cards of the table again.
std::vector<int> tableCards(const Game& g, bool pairGame) {
    std::vector<int> cards;
    const auto add = [&](const std::string& pile) {
        for (int i = 0; i < cardCount(pile); ++i)
            if (cardAt(pile, i) != 0) cards.push_back(cardAt(pile, i));
    };
    for (const auto& p : g.piles.stock) add(p);
    for (size_t j = pairGame ? 1 : 0; j < g.piles.foundations.size(); ++j) add(g.piles.foundations[j]);
    for (const auto& p : g.piles.tableau) add(p);
    for (const auto& p : g.piles.reserves) add(p);
    std::sort(cards.begin(), cards.end());
    return cards;
}

bool Monkey::startGame() {
    ++gamesStarted_;
    synthetic_ = gamesStarted_ % 3 == 0 || list_.empty();
    const GameListEntry& entry = list_.empty() ? GameListEntry{} : synthetic_ ? list_[static_cast<size_t>(pick(static_cast<int>(list_.size())))]
                                                                               : list_[nextShipped_++ % list_.size()];
    number_ = entry.number;
    std::string error;
    if (!games_.LoadGameParameters(number_, game_.params, error)) return false;
    if (synthetic_) synthesize();
    deal_.clear();
    for (int i = 0; i < 13; ++i) deal_ += static_cast<char>('0' + pick(10));
    game_.state.write(field::Game, number_);
    game_.state.write(field::Game_name, entry.name);
    game_.state.write(field::Scoring_System, StandardScoring);
    game_.state.write(field::Score, "0");
    game_.state.write(field::Deal_Number, deal_);
    Quiet quiet;
    game_.piles.clearAll();
    if (!Dealer(game_, &quiet, nullptr).deal()) return false;
    layout_ = Layouts[static_cast<size_t>(pick(Layouts.size()))];
    LayoutArea area;
    if (!parseLayoutOption(layout_, area, error)) return false;
    geometry_ = prepareScriptTable(game_, area);
    host_ = std::make_unique<CountingHost>(sink_, geometry_);
    sounds_ = std::make_unique<Sounds>(game_.state, *host_);
    executor_ = std::make_unique<MoveExecutor>(game_, *host_, sounds_.get());
    autoplay_ = false;
    play_ = std::make_unique<TablePlay>(game_, *executor_, *host_, *host_, host_.get(), sounds_.get(),
                                        [this] { return autoplay_ && game_.params[param::Autoplay] != 0; });
    play_->reset();
    script_.clear();
    dealt_ = tableCards(game_, pairGame());
    return true;
}

// A shipped game with the parameters pointer play reads set at random.
void Monkey::synthesize() {
    GameParams& p = game_.params;
    const auto choose = [&](int n, std::initializer_list<int> values) {
        p.set(n, *(values.begin() + pick(static_cast<int>(values.size()))));
    };
    choose(param::RunCheckMode, {0, 1, 1, 10});
    choose(param::RunSizeMode, {-1, -1, -12, -5, -6, -2, 0, 1, 3});
    choose(param::ReservePickup, {0, 0, -11});
    choose(param::FoundationPickup, {0, 1, 2});
    choose(param::Autoplay, {0, 1, 1, 1});
    choose(param::TableauAutofill, {0, 0, 1, 2, 3, 4});
    choose(param::FirstMoveToFoundation, {0, 0, 0, 1});
    choose(param::FillAfterFirstMove, {0, 0, 1});
    choose(param::StockPasses, {-1, 1, 2, 3});
    choose(param::WasteRedeal, {0, 0, 1});
    choose(param::DealToEmptyWasteOnly, {0, 0, 1});
    choose(param::StockTurn, {1, 1, 3});
    choose(param::WasteDrop, {0, 2});
    choose(param::WasteNoDrop, {0, 4});
    if (chance(0.1)) p.set(param::TableauDisplay, OneLongRow);
    if (chance(0.15)) {
        // A pair game: the first foundation holds the selection and no foundation takes cards.
        choose(param::PairSum, {10, 13, 14});
        p.set(param::FirstMoveToFoundation, 0);
        if (p[param::TableauDisplay] == OneLongRow) p.set(param::TableauDisplay, 1);
        for (int j = 0; j < param::FoundationRule.count; ++j) p.set(param::FoundationRule.at(j), 4);
    } else if (chance(0.2)) {
        choose(param::Family, {2, 9, 12, 15, 3, 4});
        if (p[param::Family] == 3 || p[param::Family] == 4) {
            for (int j = 0; j < param::FoundationRule.count; ++j) p.set(param::FoundationRule.at(j), 4);
            p.set(param::FoundationPickup, 0);
        }
    }
}

std::vector<PileRef> Monkey::placedPiles(bool withCards) const {
    std::vector<PileRef> piles;
    for (PileGroup g : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve}) {
        const int n = g == PileGroup::Stock ? StockPiles : param::inUse(game_.params, g);
        for (int e = 0; e < n; ++e) {
            const PileRef ref{g, e};
            if (!game_.positions.placed(g, e)) continue;
            if (withCards && game_.piles.pile(ref).empty()) continue;
            piles.push_back(ref);
        }
    }
    return piles;
}

// A point on the visible part of the card.
std::pair<int, int> Monkey::pointOn(PileRef pile, int index) {
    const BlockRect r = cardRect(game_, geometry_, pile, index);
    int bottom = r.bottom;
    if (index + 1 < cardCount(game_.piles.pile(pile))) {
        const BlockRect above = cardRect(game_, geometry_, pile, index + 1);
        if (above.top > r.top) bottom = std::min(bottom, above.top - 1);
    }
    return {between(r.left, std::max(r.left, r.right)), between(r.top, std::max(r.top, bottom))};
}

std::pair<int, int> Monkey::pointNext(PileRef pile) {
    const BlockRect r = nextCardRect(game_, geometry_, pile);
    return {r.left + between(-35, 35) + geometry_.cardW / 2, r.top + between(-35, 35) + geometry_.cardH / 2};
}

std::vector<Step> Monkey::randomEvent() {
    static const std::vector<double> weights{10, 2, 4, 3, 1, 1, 2, 1, 1, 0.5, 3};
    enum Kind { Drag, Click, Stock, Double, Peek, Autoplay, Stray, EmptyDouble, Held, Shadow, Pair };
    const int kind = std::discrete_distribution<int>(weights.begin(), weights.end())(rnd_);
    const std::vector<PileRef> full = placedPiles(true);
    const std::vector<PileRef> all = placedPiles(false);
    const auto anyCard = [&](bool topOnly) -> std::optional<std::pair<int, int>> {
        if (full.empty()) return std::nullopt;
        const PileRef p = full[static_cast<size_t>(pick(static_cast<int>(full.size())))];
        const int n = cardCount(game_.piles.pile(p));
        return pointOn(p, topOnly || chance(0.6) ? n - 1 : pick(n));
    };
    const auto strayPoint = [&] { return std::pair{between(-60, 2000), between(-60, 1500)}; };
    std::vector<Step> s;
    const auto click = [&s](const char* button, std::pair<int, int> at) {
        s.push_back({"press", button, at.first, at.second});
        s.push_back({"release", button, at.first, at.second});
    };
    switch (kind) {
        case Drag: {
            const auto from = anyCard(false);
            if (!from || all.empty()) break;
            s.push_back({"press", "left", from->first, from->second});
            const auto to = pointNext(all[static_cast<size_t>(pick(static_cast<int>(all.size())))]);
            for (int i = between(1, 3); i > 0; --i)
                s.push_back({"move", "", to.first + i * between(-20, 20), to.second + i * between(-20, 20)});
            s.push_back({"move", "", to.first, to.second});
            s.push_back({"release", "left", to.first, to.second});
            break;
        }
        case Click:
        case Pair: {
            const auto at = anyCard(false);
            if (!at) break;
            click("left", *at);
            break;
        }
        case Stock: {
            if (!game_.positions.placed(PileGroup::Stock, StockEntry)) break;
            const auto at = pointOn({PileGroup::Stock, StockEntry}, 0);
            s.push_back({"press", "left", at.first, at.second});
            if (chance(0.25)) s.push_back({"move", "", at.first + geometry_.cardW + 5, at.second});
            s.push_back({"release", "left", at.first, at.second});
            break;
        }
        case Double: {
            const auto at = anyCard(true);
            if (!at) break;
            if (chance(0.5)) click("left", *at);
            s.push_back({"dblclick", "", at->first, at->second});
            s.push_back({"release", "left", at->first, at->second});
            break;
        }
        case Peek: {
            const auto at = anyCard(false);
            if (!at) break;
            click("right", *at);
            break;
        }
        case Autoplay: s.push_back({"autoplay", autoplay_ ? "off" : "on"}); break;
        case Stray: {
            // Off every pile, on piles the game does not place, without a press.
            const auto at = chance(0.2) ? std::pair{-10000 + between(0, 80), -10000 + between(0, 80)} : strayPoint();
            switch (pick(5)) {
                case 0: s = {{"press", "left", at.first, at.second}, {"release", "left", at.first, at.second}}; break;
                case 1: s = {{"release", "left", at.first, at.second}}; break;
                case 2: s = {{"move", "", at.first, at.second}}; break;
                case 3: s = {{"press", "right", at.first, at.second}, {"release", "right", at.first, at.second}}; break;
                default: s = {{"dblclick", "", at.first, at.second}}; break;
            }
            break;
        }
        case EmptyDouble: {
            std::vector<PileRef> empty;
            for (const PileRef& p : all)
                if (game_.piles.pile(p).empty()) empty.push_back(p);
            if (empty.empty()) break;
            const auto at = pointOn(empty[static_cast<size_t>(pick(static_cast<int>(empty.size())))], 0);
            s = {{"dblclick", "", at.first, at.second}, {"release", "left", at.first, at.second}};
            break;
        }
        case Held: {
            // What a player may do while holding a card.
            const auto from = anyCard(false);
            if (!from) break;
            const auto other = anyCard(false).value_or(strayPoint());
            s.push_back({"press", "left", from->first, from->second});
            const char* verbs[] = {"press", "press", "dblclick", "release"};
            const int v = pick(4);
            s.push_back({verbs[v], v == 1 || v == 3 ? "right" : v == 0 ? "left" : "", other.first, other.second});
            s.push_back({"move", "", other.first, other.second});
            s.push_back({"release", "left", other.first, other.second});
            break;
        }
        case Shadow: s.push_back({"set", chance(0.5) ? "Cards_Shadowed Y" : "Cards_Shadowed N"}); break;
    }
    return s;
}

bool Monkey::playStep(const Step& s) {
    host_->startEvent();
    sink_.str("");
    script_.push_back(s);
    const MouseButton b = s.word == "right" ? MouseButton::Right : MouseButton::Left;
    if (s.verb == "press") play_->press(b, s.x, s.y);
    if (s.verb == "release") play_->release(b, s.x, s.y);
    if (s.verb == "move") play_->move(s.x, s.y);
    if (s.verb == "dblclick") play_->doubleClick(s.x, s.y);
    if (s.verb == "set") game_.state.write(field::Cards_Shadowed, s.word.substr(s.word.size() - 1));
    if (s.verb == "autoplay") {
        const bool was = autoplay_;
        autoplay_ = s.word == "on";
        if (autoplay_ && !was) play_->AutoplaySequence();
    }
    return true;
}

std::string Monkey::tableText() const {
    std::string text;
    for (PileGroup g : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
        for (int e = 0; e < groupSize(g); ++e) text += game_.piles.pile(g, e) + '/';
    return text;
}

// What is wrong with the table after an event, or nothing.
std::string Monkey::check(const std::string& before) const {
    if (!before.empty() && tableText() != before) return "an event changed the table of a game that had ended";
    const bool pairs = pairGame();
    const std::vector<int> now = tableCards(game_, pairs);
    if (now != dealt_) {
        if (std::adjacent_find(now.begin(), now.end()) != now.end()) return "a card lies on two piles";
        return now.size() < dealt_.size() ? "a card left the table" : "a card appeared on the table";
    }
    if (pairs) {
        const std::string& selection = game_.piles.foundations[0];
        for (int i = 0; i < cardCount(selection); ++i)
            if (!std::binary_search(now.begin(), now.end(), cardAt(selection, i)))
                return "the selection holds a card that is on no pile";
    }
    for (size_t j = pairs ? 1 : 0; j < game_.piles.foundations.size(); ++j) {
        const std::string& f = game_.piles.foundations[j];
        for (int i = 0; i < cardCount(f); ++i)
            if (cardAt(f, i) > 0 && !game_.cards.faceUp(cardAt(f, i))) return "a face-down card on a foundation";
    }
    return {};
}

void Monkey::report(const std::string& what) const {
    out_ << "monkey: " << what << '\n';
    if (synthetic_) {
        out_ << "# a synthetic game, as a game source for the game compiler:\n";
        for (int n = 0; n < GameParams::Count; ++n)
            if (game_.params[n] != 0) out_ << "# param[" << n << "] = " << game_.params[n] << '\n';
    }
    out_ << "# game " << number_ << (synthetic_ ? " (synthetic)" : "") << " deal " << deal_ << " layout " << layout_
         << '\n';
    out_ << "# replay: solitaire-deal --games GAMES.DAT --game " << number_ << " --deal " << deal_ << " --layout "
         << layout_ << " --play SCRIPT\n";
    for (const Step& s : script_) out_ << s.line() << '\n';
}

int Monkey::run(long events) {
    long played = 0;
    while (played < events) {
        if (!startGame()) {
            report("game " + std::to_string(number_) + " could not be dealt");
            return 1;
        }
        // A synthetic pair game whose deal fills the first foundation has no
        // room for the selection: not a game anyone could define.
        if (synthetic_ && pairGame() && !game_.piles.foundations[0].empty()) continue;
        if (std::adjacent_find(dealt_.begin(), dealt_.end()) != dealt_.end()) {
            report("the deal put a card on two piles");
            return 1;
        }
        int afterEnd = EventsAfterEnd;
        for (int n = 0; n < EventsPerGame && afterEnd > 0 && played < events; ++n) {
            for (const Step& s : randomEvent()) {
                const std::string before = game_.inProgress ? std::string() : tableText();
                try {
                    playStep(s);
                } catch (const OverBudget&) {
                    report("an event did not end (over " + std::to_string(FeedbackBudget) + " table changes)");
                    return 1;
                }
                if (plantFault_) plantFault_(game_, played);
                const std::string fault = check(before);
                if (!fault.empty()) {
                    report(fault);
                    return 1;
                }
                ++played;
            }
            if (!game_.inProgress) --afterEnd;
        }
    }
    out_ << "monkey: " << played << " events over " << gamesStarted_ << " deals, no fault\n";
    return 0;
}

}  // namespace

int playMonkey(const GamesFile& games, const std::vector<GameListEntry>& list, long events, std::uint64_t seed,
               std::ostream& out, const PlantFault& plantFault) {
    return Monkey(games, list, seed, out, plantFault).run(events);
}

}  // namespace solitaire_deal
