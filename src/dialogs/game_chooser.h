#pragma once
// The modal "Open a game" dialog: the games in an alphabetical tree, the
// selected game's description and preview, its rules, and OK to play it.
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/chooser_texts.h"

class QBoxLayout;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrel {

class DrawingHost;
class IniStore;
class StateRecord;

// What the chooser needs of the main window.
class ChooserHost {
public:
    virtual ~ChooserHost() = default;
    virtual StateRecord& state() = 0;  // `Game`, `Program_Folder`
    virtual IniStore& prefs() = 0;
    virtual DrawingHost& pictures() = 0;
    virtual const std::vector<GameListEntry>& gameList() = 0;
    virtual bool lowColourDisplay() const = 0;
    virtual void infoBox(std::string_view text) = 0;
    virtual void repaintWindow() = 0;
    // `SelectGame` with the chosen game; false when it could not be
    // loaded, and the chooser then stays for another choice.
    virtual bool startGame(int number, const std::string& name, const std::string& player) = 0;
    virtual void showRules(int game) = 0;
    virtual void showHelp(int context) = 0;
    virtual void enableGameCommands(bool enabled) = 0;
};

class GameChooser : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1000;
    static constexpr QSize PreviewSize{300, 185};

    explicit GameChooser(ChooserHost& host, QWidget* parent = nullptr);

    // The library pictures a first showing with `game` selected decodes:
    // the tree's, the logo, the categories' icons, the game's indicators and
    // preview. `gamesFile` is read for the game's description.
    static std::vector<std::string> firstShowingPictures(const std::vector<GameListEntry>& games, int game,
                                                         const std::string& gamesFile);

    // Opens the dialog modally; true after OK on a game.
    bool run();
    // What the first showing needs: the remembered folder filled, its game
    // selected and described, the native window. Done by the first showing
    // when not before; ahead of it, the dialog comes up quicker.
    void prepare();

    // The preview area's picture as it is drawn now.
    const QImage& preview() const { return preview_; }
    // The node whose selection the timer recorded last.
    int recordedNode() const { return recordedNode_; }

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    void buildTree();
    QWidget* buildDescription();
    QWidget* buildLogo();
    void buildButtons(QBoxLayout* layout);
    void buildPopup();

    void openFolder(QTreeWidgetItem* item);
    int selectedCode() const;
    // The selected game; on a folder the message, the focus back to the
    // tree and -1.
    int selectedGameOr(std::string_view message);
    void describeSelection();
    void drawPreview();
    void clearPreview();
    QImage previewBackground() const;
    void showPreview();
    void okClicked();
    void rulesClicked();
    void timerTick();

    ChooserHost& host_;
    std::vector<chooser::ListEntry> entries_;
    QImage preview_;
    int rememberedFolder_ = chooser::RootCode;  // opened at the first showing
    bool firstShowing_ = true;
    bool described_ = false;  // the selection's description is up to date for the next show
    int gameToSelect_ = -1;

    QTreeWidget* trvGames_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QLabel* lblGameName_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QLabel* lblDifficulty_ = nullptr;
    QLabel* lblChance_ = nullptr;
    QLabel* lblDecks_ = nullptr;
    QLabel* lblRedeals_ = nullptr;
    QLabel* imgTime_ = nullptr;
    QLabel* imgDifficulty_ = nullptr;
    QLabel* imgChance_ = nullptr;
    QLabel* imgPreview_ = nullptr;
    QCheckBox* chkPreview_ = nullptr;
    QPushButton* btnRules_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    bool loadFailed_ = false;  // the last OK chose a game that could not be loaded
    QMenu* pmGames_ = nullptr;
    QAction* pmDelete_ = nullptr;

    QTimer timer_;
    QElapsedTimer sinceDescription_;
    int recordedNode_ = 0;
};

}  // namespace vantrel
