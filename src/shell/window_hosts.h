#pragma once
// The main window as the core sees it: what the preference loader, game
// loading and starting, and the top bar ask of it.
#include "engine/start_game_host.h"
#include "engine/top_bar.h"
#include "shell/core/preference_loader.h"

namespace vantrel {

class MainWindow;

class WindowHosts : public PreferenceHost, public StartGameHost, public TopBarHost {
public:
    explicit WindowHosts(MainWindow& window) : w_(window) {}

    // Shared by the three.
    void infoBox(std::string_view text) override;
    void errorBox(std::string_view text) override;

    // PreferenceHost
    void prepareWindow() override;
    void applyToolbarLarge(bool large) override;
    void applyToolbarFlat(bool flat) override;
    bool lowColourDisplay() const override;
    AdviceDialog& adviceDialog() override;
    void applyShowTime(bool show) override;
    void applyShowScore(bool show) override;
    void setAutoplay(bool on) override;
    void showStatusBar(bool show) override;
    bool requireFile(const std::string& path) override;
    void loadCardPictures() override;

    // GameLoadHost
    int screenWidth() const override;
    void enableCustomize(bool enabled) override;
    void reloadCardImages() override;
    void enableAutoplay(bool enabled) override;
    void computeLayout() override;
    void repaint() override;

    // ScoreBoard
    void showScore(std::string_view text) override;
    void showTime(std::string_view text) override;

    // StartGameHost
    void setBusyCursor(bool busy) override;
    void refreshCaption() override;
    void prepareBackground() override;
    void drawTable(bool animated) override;
    bool autoplayOn() const override;
    void busyWait(int milliseconds) override;
    bool autoplayPass() override;
    void refresh() override;
    void enableGameCommands() override;

    // TopBarHost
    TopBarMetrics topBarMetrics() const override;
    void applyTopBar(const TopBarPlacement& placement) override;
    void enableShowTimeCommand(bool enabled) override;
    void enableShowScoreCommand(bool enabled) override;
    void writePreference(std::string_view key, std::string_view value) override;

private:
    MainWindow& w_;
};

}  // namespace vantrel
