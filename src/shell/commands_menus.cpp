// The menu bar and the pop-up menus: items, shortcuts, check marks, and
// which items the program does not offer.
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

#include "shell/commands.h"
#include "shell/main_window.h"

namespace vantrel {

namespace {

QMenu* menu(QMenuBar& bar, const char* name, const QString& title) {
    QMenu* m = bar.addMenu(title);
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString::fromLatin1(name) + "Item");
    return m;
}

QAction* item(QMenu* m, const char* name, const QString& text, const char* keys = nullptr) {
    QAction* a = m->addAction(text);
    a->setObjectName(name);
    if (keys) a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    return a;
}

// Items the program does not offer: part of the menu, never connected.
void notOffered(QAction* a) { a->setProperty("notOffered", true); }

}  // namespace

void Commands::buildMenus(QMenuBar& bar) {
    QMenu* file = menu(bar, "mnuFile", tr("&File"));
    mnuNew = item(file, "mnuNew", tr("&New game"), "F2");
    mnuOpen = item(file, "mnuOpen", tr("&Open a game..."), "Ctrl+F12");
    mnuRestart = item(file, "mnuRestart", tr("&Restart game"), "Ctrl+F2");
    mnuSelectNumber = item(file, "mnuSelectNumber", tr("Select a game &number..."), "F3");
    mnuRandomGame = item(file, "mnuRandomGame", tr("R&andom game"));
    mnuSave = item(file, "mnuSave", tr("&Save"), "Shift+Ctrl+F12");
    mnuPlayers = item(file, "mnuPlayers", tr("&Players..."), "Ctrl+L");
    file->addSeparator();
    mnuEsci = item(file, "mnuEsci", tr("E&xit"));

    QMenu* game = menu(bar, "mnuPartita", tr("&Game"));
    mnuUndo = item(game, "mnuUndo", tr("&Undo"), "Ctrl+Z");
    mnuRedo = item(game, "mnuRedo", tr("&Redo"), "Ctrl+Y");
    mnuPause = item(game, "mnuPause", tr("&Pause"), "Ctrl+P");
    mnuQuitGame = item(game, "mnuQuitGame", tr("&Quit game"), "Ctrl+Q");
    mnuDemo = item(game, "mnuDemo", tr("&Demo"), "Ctrl+D");
    mnuSnapshot = item(game, "mnuSnapshot", tr("&Snapshot position"), "F5");
    mnuUndoSnapshot = item(game, "mnuUndoSnapshot", tr("Undo to s&napshot"), "Ctrl+F5");
    mnuAutoPlay = item(game, "mnuAutoPlay", tr("&Autoplay"), "F7");
    mnuAutoPlay->setCheckable(true);

    mnuStatistics = menu(bar, "mnuStatistics", tr("&Statistics"));
    item(mnuStatistics, "mnuGameStatistics", tr("&Game statistics"), "F4");
    item(mnuStatistics, "mnuPlayersStatistics", tr("&Players statistics"));
    item(mnuStatistics, "mnuAllGamesStatistics", tr("&All games statistics"));
    item(mnuStatistics, "mnuLogStatistics", tr("&Log statistics"));
    item(mnuStatistics, "mnuHiScores", tr("&Hi-Scores"), "F9");
    item(mnuStatistics, "mnuOverallScore", tr("&Overall score"));

    mnuTournament = menu(bar, "mnuTournament", tr("&Tournament"));
    item(mnuTournament, "mnuTournamentManager", tr("Tournament &manager"));
    item(mnuTournament, "mnuPlayTournament", tr("&Play tournament"));
    item(mnuTournament, "mnuNextGame", tr("&Next game"));
    item(mnuTournament, "mnuTournamentScore", tr("Tournament &score"));
    item(mnuTournament, "mnuEndTournament", tr("&End tournament"));

    QMenu* tools = menu(bar, "mnuTools", tr("&Tools"));
    mnuCustomize = item(tools, "mnuCustomize", tr("C&ustomize..."), "Ctrl+U");
    mnuThemes = item(tools, "mnuThemes", tr("Select &themes..."));
    mnuCustomizeRules = item(tools, "mnuCustomizeRules", tr("Customize &rules..."), "Ctrl+R");
    mnuFavorites = item(tools, "mnuFavorites", tr("&Favorite games..."), "Ctrl+F");
    mnuCardCounter = item(tools, "mnuCardCounter", tr("Card &counter"), "F8");

    QMenu* help = menu(bar, "mnuHelp", tr("&?"));
    mnuRules = item(help, "mnuRules", tr("&Rules"), "F1");
    mnuContents = item(help, "mnuContents", tr("&Contents"));
    mnuTip = item(help, "mnuTip", tr("&Tip of the Day"));
    help->addSeparator();
    mnuAbout = item(help, "mnuAbout", tr("&About..."));

    for (QAction* a : {mnuRestart, mnuSelectNumber, mnuRandomGame, mnuSave, mnuPlayers, mnuUndo, mnuRedo, mnuPause,
                       mnuQuitGame, mnuDemo, mnuSnapshot, mnuUndoSnapshot, mnuThemes, mnuCustomizeRules,
                       mnuFavorites, mnuCardCounter, mnuTip})
        notOffered(a);
    for (QMenu* m : {mnuStatistics, mnuTournament}) {
        notOffered(m->menuAction());
        for (QAction* a : m->actions()) notOffered(a);
    }
}

void Commands::hideUnofferedCommands() {
    for (QAction* a : w_.findChildren<QAction*>())
        if (a->property("notOffered").toBool()) {
            a->setVisible(false);
            a->setEnabled(false);
        }
}

void Commands::buildPopups() {
    pmToolbar = new QMenu(&w_);
    pmToolbar->setObjectName("pmToolbar");
    auto pair = [this](const char* name1, const QString& text1, const char* name2, const QString& text2) {
        auto* group = new QActionGroup(pmToolbar);
        QAction* first = item(pmToolbar, name1, text1);
        QAction* second = item(pmToolbar, name2, text2);
        for (QAction* a : {first, second}) {
            a->setCheckable(true);
            group->addAction(a);
        }
        return std::pair{first, second};
    };
    std::tie(pmLargeIcons, pmSmallIcons) = pair("pmLargeIcons", tr("Large icons"), "pmSmallIcons", tr("Small icons"));
    pmToolbar->addSeparator();
    std::tie(pmFlat, pmNoFlat) = pair("pmFlat", tr("Flat button"), "pmNoFlat", tr("No flat button"));
    pmToolbar->addSeparator();
    pmShowTime = item(pmToolbar, "pmShowTime", tr("Show time"));
    pmShowScore = item(pmToolbar, "pmShowScore", tr("Show score"));

    pmTempo = new QMenu(&w_);
    pmTempo->setObjectName("pmTempo");
    pmHideTime = item(pmTempo, "pmHideTime", tr("Hide"));
    pmScore = new QMenu(&w_);
    pmScore->setObjectName("pmScore");
    pmHideScore = item(pmScore, "pmHideScore", tr("Hide"));

    // A right click on a toolbar, its buttons included, or on a panel.
    TopPanels& p = w_.panels();
    for (auto [widget, popup] : {std::pair<QWidget*, QMenu*>{p.pnlTB, pmToolbar}, {p.pnlTB1, pmToolbar},
                                 {p.pnlTempo, pmTempo}, {p.pnlScore, pmScore}}) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(widget, &QWidget::customContextMenuRequested, popup,
                [widget, popup](const QPoint& at) { popup->popup(widget->mapToGlobal(at)); });
    }
}

}  // namespace vantrel
