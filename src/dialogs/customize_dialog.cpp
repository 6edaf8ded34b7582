#include "dialogs/customize_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/dialog_kit.h"
#include "model/state_record.h"
#include "shell/core/ini_store.h"
#include "shell/core/preference_keys.h"
#include "view/background.h"
#include "view/card_images.h"
#include "view/drawing_host.h"
#include "view/table_drawing.h"

namespace vantrel {

using namespace appearance;

namespace {

using dialogs::CodeRole;
using dialogs::Hourglass;
using dialogs::treeIcon;

const char* yesNo(bool on) { return on ? "Y" : "N"; }

QCheckBox* addBox(QLayout* layout, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(name);
    layout->addWidget(box);
    return box;
}

QGroupBox* addGroup(QBoxLayout* layout, const char* caption) {
    auto* group = new QGroupBox(QString::fromUtf8(caption));
    group->setLayout(new QVBoxLayout);
    layout->addWidget(group);
    return group;
}

QLabel* sampleLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setFixedSize(CustomizeDialog::SampleSize);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

void addNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const std::vector<TreeNode>& nodes, const QIcon& folder,
              const QIcon& leaf) {
    for (const TreeNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, QString::fromStdString(node.text));
        item->setData(0, CodeRole, node.code);
        item->setIcon(0, node.code == 0 ? folder : leaf);
        addNodes(item, tree, node.children, folder, leaf);
    }
}

QTreeWidgetItem* findCode(QTreeWidgetItem* item, int code) {
    if (item->data(0, CodeRole).toInt() == code) return item;
    for (int i = 0; i < item->childCount(); ++i)
        if (QTreeWidgetItem* found = findCode(item->child(i), code)) return found;
    return nullptr;
}

}  // namespace

CustomizeDialog::CustomizeDialog(AppearanceHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName("frmCustomize");
    setWindowTitle("Customize");
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget;
    pages_->setObjectName("pgcCustomize");
    layout->addWidget(pages_);
    buildGeneralPage();
    buildDecksPage();
    buildBackgroundsPage();
    buildSoundsPage();

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("btnAnnulla");
    QPushButton* help = buttons->addButton("&?", QDialogButtonBox::HelpRole);
    help->setObjectName("btnAiuto");
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        writePreferences();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { host_.showHelp(HelpContext); });
    connect(pages_, &QTabWidget::currentChanged, this, [this] { pageChanged(); });
}

void CustomizeDialog::buildGeneralPage() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    QGroupBox* toolbar = addGroup(left, "Toolbar ");
    chkTBLargeIcons_ = addBox(toolbar->layout(), "chkTBLargeIcons", "&Large buttons");
    auto* buttonsGroup = new QGroupBox("Buttons ");
    buttonsGroup->setLayout(new QVBoxLayout);
    toolbar->layout()->addWidget(buttonsGroup);
    chkTBFlatBtn_ = addBox(buttonsGroup->layout(), "chkTBFlatBtn", "&Flat buttons");
    QGroupBox* times = addGroup(left, "Time / Scores options");
    chkShowTime_ = addBox(times->layout(), "chkShowTime", "Show &time");
    chkShowScore_ = addBox(times->layout(), "chkShowScore", "Show sco&re");
    left->addStretch();
    QGroupBox* show = addGroup(right, "Show ");
    chkWinningAnimation_ = addBox(show->layout(), "chkWinningAnimation", "&Winning animation");
    chkConfirmQuitGame_ = addBox(show->layout(), "chkConfirmQuitGame", "C&onfirm quit game");
    chkConfirmOnExit_ = addBox(show->layout(), "chkConfirmOnExit", "Confirm on e&xit");
    right->addStretch();
    pages_->addTab(page, "&General");
}

QTreeWidget* CustomizeDialog::buildTree(const char* name, const std::vector<TreeNode>& nodes, const char* leafIcon) {
    auto* tree = new QTreeWidget;
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setMinimumWidth(200);
    DrawingHost& pictures = host_.pictures();
    const QIcon closed = treeIcon(pictures, "TREE1");
    const QIcon open = treeIcon(pictures, "TREE2");
    addNodes(nullptr, tree, nodes, closed, treeIcon(pictures, leafIcon));
    connect(tree, &QTreeWidget::itemExpanded, this, [open](QTreeWidgetItem* i) { i->setIcon(0, open); });
    connect(tree, &QTreeWidget::itemCollapsed, this, [closed](QTreeWidgetItem* i) { i->setIcon(0, closed); });
    return tree;
}

void CustomizeDialog::buildDecksPage() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Select a card back:"));
    trvCardBack_ = buildTree("trvCardBack", cardBackTree(), "N_TREE3");
    left->addWidget(trvCardBack_);
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    imgDeckSample_ = sampleLabel("imgDeckSample");
    lblDeckCaption_ = new QLabel;
    lblDeckCaption_->setObjectName("lblDeckCaption");
    right->addWidget(imgDeckSample_);
    right->addWidget(lblDeckCaption_);
    right->addStretch();
    columns->addLayout(right);
    pages_->addTab(page, "&Decks  ");
    connect(trvCardBack_, &QTreeWidget::currentItemChanged, this, [this] { cardBackSelected(); });
}

void CustomizeDialog::buildBackgroundsPage() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Select a background:"));
    // Folders, pictures and colours share the tree; leaves of the colour
    // folder get the colour icon.
    trvBackGround_ = buildTree("trvBackGround", backgroundTree(), "N_TREE4");
    const QIcon colour = treeIcon(host_.pictures(), "N_TREE5");
    for (QTreeWidgetItemIterator it(trvBackGround_); *it; ++it)
        if (kindOf((*it)->data(0, CodeRole).toInt()) == NodeKind::Colour) (*it)->setIcon(0, colour);
    left->addWidget(trvBackGround_);
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    imgBackSample_ = sampleLabel("imgBackSample");
    lblBackCaption_ = new QLabel;
    lblBackCaption_->setObjectName("lblBackCaption");
    chkFadeBackground_ = addBox(right, "chkFadeBackground", "&Fade background");
    right->insertWidget(0, imgBackSample_);
    right->insertWidget(1, lblBackCaption_);
    right->addStretch();
    columns->addLayout(right);
    pages_->addTab(page, "&Backgrounds");
    connect(trvBackGround_, &QTreeWidget::currentItemChanged, this, [this] { backgroundSelected(); });
    connect(chkFadeBackground_, &QCheckBox::toggled, this, [this] {
        const int code = selectedCode(trvBackGround_);
        if (kindOf(code) != NodeKind::Colour) return;
        fillSample(code);
        showSamples();
    });
}

void CustomizeDialog::buildSoundsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkSoundsEnabled_ = addBox(layout, "chkSoundsEnabled", "Disable all &sounds");
    layout->addStretch();
    pages_->addTab(page, "&Sounds");
}

bool CustomizeDialog::run() {
    opening();
    const bool accepted = exec() == QDialog::Accepted;
    closing(accepted);
    return accepted;
}

void CustomizeDialog::opening() {
    Hourglass busy;
    StateRecord& st = host_.state();
    IniStore& prefs = host_.prefs();
    saved_.emplace(st);
    const long long colour = st.readInt(field::Background_Col, 0);
    openingColour_ = std::to_string(colour == 0 ? pref::DefaultBackgroundColour : colour);

    const QSignalBlocker blockFade(chkFadeBackground_);
    chkTBLargeIcons_->setChecked(prefs.getString(pref::Preference, "ToolBar_Large", "N") == "Y");
    chkTBFlatBtn_->setChecked(prefs.getString(pref::Preference, "ToolBar_Flat", "Y") == "Y");
    chkShowTime_->setChecked(st.read(field::Show_Time) != "N");
    chkShowScore_->setChecked(st.read(field::Show_Score) != "N");
    chkWinningAnimation_->setChecked(st.flag(field::Winning_Animation));
    chkConfirmQuitGame_->setChecked(st.read(field::ConfirmQuitGame) != "N");
    chkConfirmOnExit_->setChecked(prefs.getString(pref::Preference, pref::ConfirmQuit, "N") == "Y");
    chkFadeBackground_->setChecked(st.flag(field::Fade_Background));
    chkSoundsEnabled_->setChecked(!st.flag(field::Sounds_Enabled));

    selectNode(trvCardBack_, static_cast<int>(st.readInt(field::Back_Card, 0)));
    drawOpeningBackground();
    deckBase_ = backgroundSample_;
    cardBackSelected();
    showSamples();
}

void CustomizeDialog::drawOpeningBackground() {
    const StateRecord& st = host_.state();
    const OpeningBackground opening = openingBackground(st);
    switch (opening.sample) {
        case OpeningSample::Default: drawBackgroundFor(0); break;
        case OpeningSample::FixedColour: fillSample(opening.node); break;
        case OpeningSample::Picture: drawBackgroundFor(opening.node); break;
        case OpeningSample::PlainColour: fillSample(std::stoll(openingColour_)); break;
    }
    selectNode(trvBackGround_, opening.node);
    const QTreeWidgetItem* item = trvBackGround_->currentItem();
    lblBackCaption_->setText(item ? item->text(0) : QString());
}

void CustomizeDialog::selectNode(QTreeWidget* tree, int code) {
    const QSignalBlocker block(tree);
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; code > 0 && !found && i < tree->topLevelItemCount(); ++i)
        found = findCode(tree->topLevelItem(i), code);
    tree->setCurrentItem(found);
    if (!found) tree->clearSelection();
}

int CustomizeDialog::selectedCode(QTreeWidget* tree) const {
    const QTreeWidgetItem* item = tree->currentItem();
    return item ? item->data(0, CodeRole).toInt() : 0;
}

void CustomizeDialog::cardBackSelected() {
    const QTreeWidgetItem* item = trvCardBack_->currentItem();
    const int code = selectedCode(trvCardBack_);
    if (code <= 0) {
        if (!item) {
            back_ = QImage();
            lblDeckCaption_->clear();
            showDeckSample();
        }
        return;
    }
    Hourglass busy;
    // Samples always show the big card, whatever size the table uses.
    back_ = host_.pictures().loadPictureFile("DB" + threeDigits(code));
    lblDeckCaption_->setText(item->text(0));
    showDeckSample();
}

void CustomizeDialog::backgroundSelected() {
    Hourglass busy;
    const QTreeWidgetItem* item = trvBackGround_->currentItem();
    drawBackgroundFor(selectedCode(trvBackGround_));
    lblBackCaption_->setText(item ? item->text(0) : QString());
    showSamples();
}

void CustomizeDialog::fillSample(long long colourValue) {
    backgroundSample_ = QImage(SampleSize, QImage::Format_RGB32);
    const QColor colour = colourFromValue(colourValue);
    if (chkFadeBackground_->isChecked() && host_.pictures().richColour())
        fadeFill(backgroundSample_, colour, SampleSize.width() + 1, SampleSize.height() + 1);
    else
        backgroundSample_.fill(colour);
    sampleIsColour_ = true;
}

void CustomizeDialog::drawBackgroundFor(int code) {
    if (kindOf(code) == NodeKind::Colour) {
        fillSample(code);
        return;
    }
    // The background rules on a copy of the state that names this node.
    StateRecord shown = host_.state();
    const BackgroundKeys keys = backgroundKeysFor(code);
    shown.write(field::Background_def, keys.def);
    shown.write(field::Background_bmp, keys.bmp);
    shown.write(field::Background_Fixed_Col, 0LL);
    shown.write(field::Customized_Background, "N");
    if (code >= FirstSinglePicture && code <= 1000) {
        QImage whole(host_.singlePictureArea(), QImage::Format_RGB32);
        paintBackground(whole, shown, host_.pictures(), false);
        backgroundSample_ = whole.scaled(SampleSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        backgroundSample_ = QImage(SampleSize, QImage::Format_RGB32);
        paintBackground(backgroundSample_, shown, host_.pictures(), false);
    }
    sampleIsColour_ = false;
}

void CustomizeDialog::pageChanged() {
    deckBase_ = backgroundSample_;
    showDeckSample();
}

void CustomizeDialog::showDeckSample() {
    deckSample_ = deckBase_.isNull() ? backgroundSample_.copy() : deckBase_.copy();
    if (!back_.isNull() && !deckSample_.isNull()) {
        const QRect card(QPoint((deckSample_.width() - back_.width()) / 2, (deckSample_.height() - back_.height()) / 2),
                         back_.size());
        QPainter(&deckSample_).drawImage(card.topLeft(), back_);
        // Rounded corners: the background shows through the corner pixels.
        for (const QPoint& p : cornerPixels(card).p)
            if (deckSample_.rect().contains(p)) deckSample_.setPixel(p, deckBase_.isNull() ? 0 : deckBase_.pixel(p));
    }
    imgDeckSample_->setPixmap(QPixmap::fromImage(deckSample_));
}

void CustomizeDialog::showSamples() {
    imgBackSample_->setPixmap(QPixmap::fromImage(backgroundSample_));
    showDeckSample();
}

QString CustomizeDialog::backgroundCaption() const { return lblBackCaption_->text(); }
QString CustomizeDialog::deckCaption() const { return lblDeckCaption_->text(); }

void CustomizeDialog::writePreferences() {
    StateRecord& st = host_.state();
    IniStore& prefs = host_.prefs();
    const auto put = [&prefs](std::string_view key, std::string_view value) {
        prefs.putString(pref::Preference, key, value);
    };
    const int backCode = selectedCode(trvCardBack_);
    const long long back = backCode > 0 ? backCode : st.readInt(field::Back_Card, 0);
    const BackgroundKeys keys = backgroundKeysFor(selectedCode(trvBackGround_));
    const bool large = chkTBLargeIcons_->isChecked();
    const bool flat = chkTBFlatBtn_->isChecked();
    const bool time = chkShowTime_->isChecked();
    const bool score = chkShowScore_->isChecked();
    const char* sounds = yesNo(!chkSoundsEnabled_->isChecked());
    const char* fade = yesNo(chkFadeBackground_->isChecked());
    const char* confirmGame = yesNo(chkConfirmQuitGame_->isChecked());
    const char* winning = yesNo(chkWinningAnimation_->isChecked());

    put(pref::Sounds_Enabled, sounds);
    prefs.putInt(pref::Preference, "Back_Card", static_cast<long>(back));
    put("Background_bmp", keys.bmp);
    put("Background_Def", keys.def);
    prefs.putInt(pref::Preference, "Background_Fixed_Col", keys.fixedColour);
    put("Background_Col", openingColour_);
    put("Fade_Background", fade);
    put("ToolBar_Large", yesNo(large));
    put("ToolBar_Flat", yesNo(flat));
    put("Show_Time", yesNo(time));
    put("Show_Score", yesNo(score));
    put(pref::ConfirmQuit, yesNo(chkConfirmOnExit_->isChecked()));
    put("ConfirmQuitGame", confirmGame);
    put("Winning_Animation", winning);

    st.write(field::Back_Card, threeDigits(back));
    st.write(field::Background_bmp, keys.bmp);
    st.write(field::Background_Col, openingColour_);
    st.write(field::Background_Fixed_Col, static_cast<long long>(keys.fixedColour));
    st.write(field::Background_def, keys.def);
    st.write(field::Fade_Background, fade);
    st.write(field::Sounds_Enabled, sounds);
    st.write(field::Show_Time, yesNo(time));
    st.write(field::Show_Score, yesNo(score));
    st.write(field::ConfirmQuitGame, confirmGame);
    st.write(field::Winning_Animation, winning);
    host_.setToolbar(large, flat);
    host_.showTimeAndScore(time, score);
}

void CustomizeDialog::closing(bool accepted) {
    Hourglass busy;
    hide();
    StateRecord& st = host_.state();
    if (!accepted) {
        saved_->restore(st);
    } else {
        st.write(field::Fade_Background, yesNo(chkFadeBackground_->isChecked()));
        const int backCode = selectedCode(trvCardBack_);
        if (st.read(field::Card_Size) != "B")
            st.write(field::Back_Card, "006");
        else if (backCode > 0)
            st.write(field::Back_Card, threeDigits(backCode));
        const BackgroundKeys keys = backgroundKeysFor(selectedCode(trvBackGround_));
        st.write(field::Background_bmp, keys.bmp);
        st.write(field::Background_def, keys.def);
        st.write(field::Background_Fixed_Col, static_cast<long long>(keys.fixedColour));
        st.write(field::Background_Col, 0LL);
    }
    host_.reloadTable();
}

}  // namespace vantrel
