#include "dialogs/game_chooser.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <algorithm>
#include <map>

#include "dialogs/dialog_kit.h"
#include "model/state_record.h"
#include "shell/core/file_values.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"
#include "view/background.h"
#include "view/card_images.h"
#include "view/drawing_host.h"

namespace vantrel {

using dialogs::CodeRole;
using dialogs::Hourglass;

namespace {

constexpr std::string_view GameTreeNumKey = "Game_TreeNum";
constexpr std::string_view OpenPreviewKey = "Open_Preview_Game";
const QColor PreviewGreen(0, 128, 0);
constexpr QSize IndicatorSize{48, 13};
constexpr const char* TreeClosedPicture = "TREE1";
constexpr const char* TreeOpenPicture = "TREE2";
constexpr const char* LogoPicture = "LOGO";

QLabel* named(QLabel* label, const char* name) {
    label->setObjectName(name);
    return label;
}

QLabel* indicator(const char* name) {
    QLabel* label = named(new QLabel, name);
    label->setFixedSize(IndicatorSize);
    label->setScaledContents(true);
    return label;
}

QWidget* whitePanel() {
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    panel->setPalette(p);
    return panel;
}

// Scrolled to the remembered game while hidden, the view would ask the
// display server where the pointer is (for the row under it), and wait.
class GameTree : public QTreeWidget {
protected:
    void verticalScrollbarValueChanged(int value) override {
        if (isVisible()) QTreeWidget::verticalScrollbarValueChanged(value);
    }
};

}  // namespace

GameChooser::GameChooser(ChooserHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName("frmOpenGame");
    setWindowTitle("Open a game");
    entries_ = chooser::sortedEntries(host_.gameList());

    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Select a game:"));
    buildTree();
    left->addWidget(trvGames_);
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    panels_ = new QStackedWidget;
    panels_->setObjectName("pnlDescription");
    panels_->setFrameShape(QFrame::Panel);
    panels_->setFrameShadow(QFrame::Sunken);
    panels_->addWidget(buildLogo());
    panels_->addWidget(buildDescription());
    right->addWidget(panels_);
    imgPreview_ = named(new QLabel, "imgPreview");
    imgPreview_->setFixedSize(PreviewSize);
    imgPreview_->setScaledContents(true);
    right->addWidget(imgPreview_, 0, Qt::AlignHCenter);
    chkPreview_ = new QCheckBox("&Preview");
    chkPreview_->setObjectName("chkPreview");
    right->addWidget(chkPreview_);
    buildButtons(right);
    columns->addLayout(right);
    buildPopup();
    // The same size whatever the description says.
    panels_->setFixedWidth(PreviewSize.width() + 90);
    trvGames_->setFixedWidth(240);
    setFixedSize(sizeHint());

    const long folder = host_.prefs().getInt(pref::Preference, GameTreeNumKey, chooser::RootCode);
    if (folder < 0) rememberedFolder_ = static_cast<int>(folder);
    chkPreview_->setChecked(host_.prefs().getString(pref::Preference, OpenPreviewKey, "Y") == "Y");
    connect(chkPreview_, &QCheckBox::toggled, this, [this](bool on) { on ? drawPreview() : clearPreview(); });
    timer_.setInterval(2000);
    connect(&timer_, &QTimer::timeout, this, &GameChooser::timerTick);
    clearPreview();
}

std::vector<std::string> GameChooser::firstShowingPictures(const std::vector<GameListEntry>& games, int game,
                                                           const std::string& gamesFile) {
    std::vector<std::string> names{TreeClosedPicture, TreeOpenPicture, LogoPicture};
    for (const GameListEntry& g : games) {
        const std::string icon(chooser::categoryIcon(g.typeCode));
        if (!icon.empty() && std::find(names.begin(), names.end(), icon) == names.end()) names.push_back(icon);
    }
    if (game < 0) return names;
    const chooser::Description d = chooser::describe(ReadGameValues(gamesFile, game, chooser::DescriptionParameters));
    for (const std::string* picture : {&d.timePicture, &d.difficultyPicture, &d.chancePicture})
        if (!picture->empty()) names.push_back(*picture);
    names.push_back(chooser::previewName(game));
    return names;
}

void GameChooser::buildTree() {
    trvGames_ = new GameTree;
    trvGames_->setObjectName("trvGames");
    trvGames_->setHeaderHidden(true);
    // Every row is one line beside a small icon: measured once, not per
    // game whenever the view scrolls to the selection.
    trvGames_->setUniformRowHeights(true);
    trvGames_->setEnabled(false);
    const QIcon closed = dialogs::treeIcon(host_.pictures(), TreeClosedPicture);
    const QIcon open = dialogs::treeIcon(host_.pictures(), TreeOpenPicture);
    auto* root = new QTreeWidgetItem(trvGames_, QStringList(chooser::RootText));
    root->setData(0, CodeRole, chooser::RootCode);
    root->setIcon(0, closed);
    (new QTreeWidgetItem(root))->setData(0, CodeRole, chooser::PlaceholderCode);
    connect(trvGames_, &QTreeWidget::itemExpanded, this, [this, open](QTreeWidgetItem* item) {
        item->setIcon(0, open);
        openFolder(item);
    });
    connect(trvGames_, &QTreeWidget::itemCollapsed, this, [closed](QTreeWidgetItem* i) { i->setIcon(0, closed); });
    connect(trvGames_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) openFolder(item);
        describeSelection();
    });
    connect(trvGames_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, CodeRole).toInt() >= 0) okClicked();
    });
}

QWidget* GameChooser::buildLogo() {
    QWidget* panel = whitePanel();
    auto* layout = new QVBoxLayout(panel);
    QLabel* logo = named(new QLabel, "imgLogo");
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(QPixmap::fromImage(host_.pictures().loadResourcePicture(LogoPicture)));
    layout->addWidget(logo);
    return panel;
}

QWidget* GameChooser::buildDescription() {
    QWidget* panel = whitePanel();
    auto* grid = new QGridLayout(panel);
    lblGameName_ = named(new QLabel, "lblGameName");
    QFont bold = lblGameName_->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    lblGameName_->setFont(bold);
    grid->addWidget(lblGameName_, 0, 0, 1, 3);
    const struct {
        const char* caption;
        QLabel** value;
        const char* name;
        QLabel** picture;
        const char* pictureName;
    } rows[] = {
        {"Game time:", &lblTime_, "lblTime", &imgTime_, "imgTime"},
        {"Difficulty level:", &lblDifficulty_, "lblDifficulty", &imgDifficulty_, "imgDifficulty"},
        {"Chance of winning:", &lblChance_, "lblChance", &imgChance_, "imgChance"},
        {"Decks:", &lblDecks_, "lblDecks", nullptr, nullptr},
        {"Redeals:", &lblRedeals_, "lblRedeals", nullptr, nullptr},
    };
    int row = 1;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(r.caption), row, 0);
        *r.value = named(new QLabel, r.name);
        grid->addWidget(*r.value, row, 1);
        if (r.picture) {
            *r.picture = indicator(r.pictureName);
            grid->addWidget(*r.picture, row, 2);
        }
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return panel;
}

void GameChooser::buildButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    btnRules_ = new QPushButton("Rules");
    btnRules_->setObjectName("btnRules");
    btnOK_ = new QPushButton("OK");
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("btnCancel");
    auto* help = new QPushButton("&?");
    help->setObjectName("btnAiuto");
    row->addWidget(btnRules_);
    row->addStretch();
    row->addWidget(btnOK_);
    row->addSpacing(5);
    row->addWidget(cancel);
    row->addWidget(help);
    layout->addLayout(row);
    connect(btnRules_, &QPushButton::clicked, this, &GameChooser::rulesClicked);
    connect(btnOK_, &QPushButton::clicked, this, &GameChooser::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { host_.showHelp(HelpContext); });
}

void GameChooser::buildPopup() {
    pmGames_ = new QMenu(this);
    pmGames_->setObjectName("pmGames");
    connect(pmGames_->addAction("&Rules"), &QAction::triggered, this, &GameChooser::rulesClicked);
    pmGames_->addAction("Statistics...")->setShortcut(Qt::Key_F4);
    pmGames_->addAction("Favorite games...")->setShortcut(Qt::CTRL | Qt::Key_F);
    pmDelete_ = pmGames_->addAction("Delete");
    trvGames_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(trvGames_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        pmDelete_->setEnabled(selectedCode() >= 8000);
        pmGames_->popup(trvGames_->viewport()->mapToGlobal(at));
    });
}

bool GameChooser::run() {
    do {
        loadFailed_ = false;
        if (exec() != QDialog::Accepted) return false;
    } while (loadFailed_);  // the reason was shown; the choice is open again
    return true;
}

void GameChooser::prepare() {
    if (!firstShowing_) return;
    firstShowing_ = false;
    for (QTreeWidgetItemIterator it(trvGames_); *it; ++it)
        if ((*it)->data(0, CodeRole).toInt() == rememberedFolder_) {
            gameToSelect_ = static_cast<int>(host_.state().readInt(field::Game, -1));
            (*it)->setExpanded(true);  // fills the folder and selects the game
            gameToSelect_ = -1;
            break;
        }
    rememberedFolder_ = 0;
    // Laid out and scrolled while hidden, the scroll at the show changes
    // nothing, and does not ask the display server where the pointer is
    // while the server takes the main window's first picture.
    if (layout()) layout()->activate();
    if (QTreeWidgetItem* current = trvGames_->currentItem()) trvGames_->scrollToItem(current);
    // Its window made now, the first show needs no answer from the server.
    create();
}

void GameChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Hourglass busy;
    prepare();
    trvGames_->setEnabled(true);
    // The first showing's selection was described as the folder opened;
    // describing it again would decode the same pictures in the way of the
    // first paint.
    if (!described_) describeSelection();
    timer_.start();
    trvGames_->setFocus();
}

void GameChooser::openFolder(QTreeWidgetItem* item) {
    const int code = item->data(0, CodeRole).toInt();
    if (code >= 0 || item->childCount() == 0 || item->child(0)->data(0, CodeRole).toInt() != chooser::PlaceholderCode)
        return;
    delete item->takeChild(0);
    if (code != chooser::RootCode) return;
    QTreeWidgetItem* select = nullptr;
    // One icon per category, shared by its games: decoding it per game
    // costs time and a pixmap each.
    std::map<std::string_view, QIcon> icons;
    for (const chooser::ListEntry& e : entries_) {
        auto* node = new QTreeWidgetItem(item, QStringList(QString::fromStdString(e.name)));
        node->setData(0, CodeRole, e.number);
        const std::string_view icon = chooser::categoryIcon(e.category);
        if (!icon.empty()) {
            auto [at, added] = icons.try_emplace(icon);
            if (added) at->second = dialogs::treeIcon(host_.pictures(), std::string(icon).c_str());
            node->setIcon(0, at->second);
            if (e.number == gameToSelect_) select = node;
        }
    }
    if (select) trvGames_->setCurrentItem(select);
}

int GameChooser::selectedCode() const {
    const QTreeWidgetItem* item = trvGames_->currentItem();
    return item ? item->data(0, CodeRole).toInt() : -1;
}

void GameChooser::describeSelection() {
    Hourglass busy;
    described_ = true;
    const int code = selectedCode();
    const bool game = code >= 0;
    chkPreview_->setEnabled(game);
    btnOK_->setEnabled(game);
    btnRules_->setEnabled(game);
    if (!game) {
        panels_->setCurrentIndex(0);
        clearPreview();
        return;
    }
    panels_->setCurrentIndex(1);
    lblGameName_->setText(trvGames_->currentItem()->text(0));
    const std::string path = host_.state().read(field::Program_Folder) + "GAMES.DAT";
    const chooser::Description d = chooser::describe(ReadGameValues(path, code, chooser::DescriptionParameters));
    const std::pair<QLabel*, const std::string*> texts[] = {{lblTime_, &d.time},
                                                            {lblDifficulty_, &d.difficulty},
                                                            {lblChance_, &d.chance},
                                                            {lblDecks_, &d.decks},
                                                            {lblRedeals_, &d.redeals}};
    for (auto [label, text] : texts) label->setText(QString::fromStdString(*text));
    const std::pair<QLabel*, const std::string*> pictures[] = {
        {imgTime_, &d.timePicture}, {imgDifficulty_, &d.difficultyPicture}, {imgChance_, &d.chancePicture}};
    for (auto [label, name] : pictures)
        label->setPixmap(QPixmap::fromImage(host_.pictures().loadResourcePicture(*name)));
    sinceDescription_.start();
    if (chkPreview_->isChecked()) drawPreview();
}

void GameChooser::clearPreview() {
    preview_ = previewBackground();
    showPreview();
}

QImage GameChooser::previewBackground() const {
    // Made afresh each time: a kept copy would cost as much as the preview.
    QImage img(PreviewSize, QImage::Format_RGB32);
    if (host_.lowColourDisplay())
        img.fill(PreviewGreen);
    else
        fadeFill(img, PreviewGreen, img.width(), img.height());
    return img;
}

void GameChooser::drawPreview() {
    // Painted before it is shown: the label's picture shares the preview,
    // and painting a shown one would copy it.
    preview_ = previewBackground();
    const int code = selectedCode();
    const QImage picture = code < 0 ? QImage() : host_.pictures().loadResourcePicture(chooser::previewName(code));
    if (!picture.isNull()) {  // else the background alone
        QPainter p(&preview_);
        p.drawImage((PreviewSize.width() - picture.width()) / 2, 0, withKeyColour(picture, picture.pixel(0, 0)));
    }
    showPreview();
}

void GameChooser::showPreview() { imgPreview_->setPixmap(QPixmap::fromImage(preview_)); }

int GameChooser::selectedGameOr(std::string_view message) {
    const int code = selectedCode();
    if (code < 0) {
        host_.infoBox(message);
        trvGames_->setFocus();
    }
    return code;
}

void GameChooser::okClicked() {
    const int code = selectedGameOr("Open a game");
    if (code < 0) return;
    const QTreeWidgetItem* item = trvGames_->currentItem();
    const std::string name = item->text(0).toStdString();
    IniStore& prefs = host_.prefs();
    prefs.putInt(pref::Preference, "Game", code);
    prefs.putString(pref::Preference, "Game_Name", name);
    prefs.putInt(pref::Preference, GameTreeNumKey,
                 item->parent() ? item->parent()->data(0, CodeRole).toInt() : chooser::RootCode);
    prefs.putString(pref::Preference, OpenPreviewKey, chkPreview_->isChecked() ? "Y" : "N");
    hide();
    host_.repaintWindow();
    loadFailed_ = !host_.startGame(code, name, "");
    accept();
}

void GameChooser::rulesClicked() {
    const int code = selectedGameOr("Select a game");
    if (code >= 0) host_.showRules(code);
}

void GameChooser::timerTick() {
    if (sinceDescription_.isValid() && sinceDescription_.elapsed() >= 200) recordedNode_ = selectedCode();
}

void GameChooser::done(int result) {
    timer_.stop();
    described_ = false;
    if (host_.state().readInt(field::Game, -1) < 0) host_.enableGameCommands(false);
    QDialog::done(result);
    host_.repaintWindow();
}

}  // namespace vantrel
