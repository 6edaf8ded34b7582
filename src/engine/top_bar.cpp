#include "engine/top_bar.h"

#include "model/state_record.h"

namespace vantrel {

namespace {
constexpr int RightMargin = 15;
constexpr int PanelGap = 5;
constexpr int ButtonClearance = 3;  // a panel must lie this far right of the last button
}  // namespace

TopBarPlacement LayoutTopBar(const TopBarMetrics& m, bool showTime, bool showScore) {
    TopBarPlacement p;
    p.timeLeft = m.windowWidth - m.timeWidth - RightMargin;
    p.scoreLeft = showTime ? p.timeLeft - m.scoreWidth - PanelGap : m.windowWidth - m.scoreWidth - RightMargin;
    p.timeTop = (m.toolbarHeight - m.timeHeight) / 2;
    p.scoreTop = p.timeTop;
    p.greyLineTop = m.toolbarTop + m.toolbarHeight;
    p.blackLineTop = p.greyLineTop + 1;
    p.linesWidth = m.toolbarWidth;
    // Never cover a toolbar button.
    p.timeVisible = showTime && p.timeLeft > m.lastButtonRight + ButtonClearance;
    p.scoreVisible = showScore && p.scoreLeft > m.lastButtonRight + ButtonClearance;
    return p;
}

void LayoutTopBar(const StateRecord& state, TopBarHost& host) {
    host.applyTopBar(LayoutTopBar(host.topBarMetrics(), state.flag(field::Show_Time), state.flag(field::Show_Score)));
}

namespace {
void showPanel(StateRecord& state, TopBarHost& host, Field f, std::string_view key, bool show, bool save,
               void (TopBarHost::*enableCommand)(bool)) {
    (host.*enableCommand)(!show);
    if (save) {
        const std::string_view value = show ? "Y" : "N";
        state.write(f, value);
        host.writePreference(key, value);
    }
    LayoutTopBar(state, host);
}
}  // namespace

void ShowTime(StateRecord& state, TopBarHost& host, bool show, bool save) {
    showPanel(state, host, field::Show_Time, "Show_Time", show, save, &TopBarHost::enableShowTimeCommand);
}

void ShowScore(StateRecord& state, TopBarHost& host, bool show, bool save) {
    showPanel(state, host, field::Show_Score, "Show_Score", show, save, &TopBarHost::enableShowScoreCommand);
}

}  // namespace vantrel
