// Tools > Customize: the appearance dialog on the main window's table.
#include <QApplication>
#include <QFrame>
#include <QScreen>

#include "dialogs/customize_dialog.h"
#include "dialogs/dialog_kit.h"
#include "engine/top_bar.h"
#include "model/game.h"
#include "shell/commands.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/table_host.h"
#include "shell/top_panels.h"
#include "view/table_view.h"

namespace vantrel {

class WindowAppearance : public AppearanceHost {
public:
    explicit WindowAppearance(MainWindow& w) : w_(w) {}

    StateRecord& state() override { return w_.game().state; }
    IniStore& prefs() override { return w_.prefs(); }
    DrawingHost& pictures() override { return *w_.tableHost_; }
    QSize singlePictureArea() const override {
        const QScreen* s = w_.screen() ? w_.screen() : QApplication::primaryScreen();
        const QSize screen = s ? s->geometry().size() : QSize(1024, 768);
        const QFrame* large = w_.panels_->pnlTB;
        return {screen.width(), std::max(1, screen.height() - large->y() - large->height())};
    }
    void setToolbar(bool large, bool flat) override {
        w_.applyToolbarLarge(large);
        w_.applyToolbarFlat(flat);
    }
    void showTimeAndScore(bool time, bool score) override {
        ShowTime(state(), w_, time, false);
        ShowScore(state(), w_, score, false);
    }
    void reloadTable() override {
        w_.view().loadImages();
        w_.view().backgroundChanged();
        w_.computeLayout();
        w_.redrawTable();
    }
    void showHelp(int context) override { w_.showHelpContext(context); }

private:
    MainWindow& w_;
};

void MainWindow::mnuCustomizeClick() {
    if (!customize_) {
        const dialogs::Hourglass busy;
        appearanceHost_ = std::make_unique<WindowAppearance>(*this);
        customize_ = std::make_unique<CustomizeDialog>(*appearanceHost_, this);
    }
    customize_->run();
}

}  // namespace vantrel

namespace vantrel {

void MainWindow::showHelpContext(int context) { commands_->help().showTopic(HelpWindowName::Proc, context); }

}  // namespace vantrel
