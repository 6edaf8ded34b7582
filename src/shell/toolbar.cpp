#include "shell/toolbar.h"

#include <QFrame>
#include <QIcon>
#include <QToolButton>

#include "shell/resource_library.h"

namespace vantrel {

namespace {

struct Spot {
    int large, small;
};

// Left edges of the buttons and separators. The hidden buttons have no
// place of their own; the second separator stands between two of them and
// has no width.
constexpr Spot ButtonLeft[ToolButtonCount] = {{5, 5}, {49, 28}, {0, 0}, {0, 0}, {0, 0},
                                              {0, 0}, {101, 59}, {0, 0}, {153, 90}, {205, 121}};
constexpr Spot SeparatorLeft[4] = {{96, 54}, {0, 0}, {148, 85}, {200, 116}};
constexpr bool Offered[ToolButtonCount] = {true, true, false, false, false, false, true, false, true, true};
constexpr const char* Names[ToolButtonCount] = {"tbNew",  "tbOpen",     "tbRestart", "tbSave",  "tbUndo",
                                                "tbRedo", "tbAutoPlay", "tbStat",    "tbRules", "tbExit"};
constexpr const char* Hints[ToolButtonCount] = {"New",  "Open",     "Restart",    "Save",  "Undo",
                                                "Redo", "Autoplay", "Statistics", "Rules", "Exit"};
// Pictures of the offered buttons in the picture library.
constexpr const char* Pictures[ToolButtonCount] = {"TB_NEW",  "TB_OPEN",     nullptr, nullptr,    nullptr,
                                                   nullptr,   "TB_AUTOPLAY", nullptr, "TB_RULES", "TB_EXIT"};

constexpr int LargeButtonWidth = 44, LargeButtonHeight = 42;
constexpr int SmallButtonWidth = 23;
constexpr int SeparatorWidth = 2;

QString pictureName(const char* base, bool large) {
    QString name = QString::fromLatin1(base);
    if (large) name += QStringLiteral("_LARGE");
    return name;
}

QImage picture(const QString& name) { return LoadResourcePicture(name.toStdString()); }

// A disabled button shows its picture greyed, unless `disabledToo`: the
// small autoplay button has a picture of its own for that.
void setPicture(QToolButton* b, const QImage& image, const QString& fallback, bool disabledToo = false) {
    if (image.isNull()) {
        b->setIcon(QIcon());
        b->setText(fallback);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    QIcon icon;
    const QPixmap pixmap = QPixmap::fromImage(image);
    icon.addPixmap(pixmap, QIcon::Normal);
    if (disabledToo) icon.addPixmap(pixmap, QIcon::Disabled);
    b->setIcon(icon);
    b->setIconSize(image.size());
}

}  // namespace

Toolbar::Toolbar(QWidget* parent, bool isLarge) : large(isLarge), panel(new QFrame(parent)) {
    panel->setObjectName(large ? "pnlTB" : "pnlTB1");
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    for (int i = 0; i < ToolButtonCount; ++i) {
        auto* b = new QToolButton(panel);
        b->setObjectName(QString::fromLatin1(Names[i]) + (large ? "" : "1"));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setFocusPolicy(Qt::NoFocus);
        b->setVisible(Offered[i]);
        b->setEnabled(Offered[i]);
        buttons[static_cast<size_t>(i)] = b;
    }
    button(ToolButton::AutoPlay)->setCheckable(true);
    for (int i = 0; i < 4; ++i) {
        auto* s = new QFrame(panel);
        s->setObjectName(QString(large ? "sep_tb_large_%1" : "sep_tb_small_%1").arg(i + 1));
        s->setFrameShape(QFrame::VLine);
        s->setFrameShadow(QFrame::Sunken);
        separators[static_cast<size_t>(i)] = s;
    }
}

QString Toolbar::hint(ToolButton b) { return QObject::tr(Hints[static_cast<int>(b)]); }

void Toolbar::loadPictures() {
    for (int i = 0; i < ToolButtonCount; ++i)
        if (Pictures[i])
            setPicture(buttons[static_cast<size_t>(i)], picture(pictureName(Pictures[i], large)),
                       hint(static_cast<ToolButton>(i)));
    setAutoplayEnabled(button(ToolButton::AutoPlay)->isEnabled());
}

void Toolbar::setAutoplayEnabled(bool enabled) {
    QToolButton* b = button(ToolButton::AutoPlay);
    b->setEnabled(enabled);
    if (!large)
        setPicture(b, picture(QString::fromLatin1(enabled ? "TB_AUTOPLAY" : "TB_AUTOPLAY_DIS")),
                   hint(ToolButton::AutoPlay), true);
}

void Toolbar::setFlat(bool flat) {
    for (QToolButton* b : buttons) b->setAutoRaise(flat);
}

void Toolbar::showHints(bool show) {
    for (int i = 0; i < ToolButtonCount; ++i)
        buttons[static_cast<size_t>(i)]->setToolTip(show ? hint(static_cast<ToolButton>(i)) : QString());
}

void Toolbar::applyGeometry(bool flat, int width, int buttonTop) {
    const int height = large ? (flat ? 46 : 45) : (flat ? 24 : 25);
    panel->setGeometry(0, 0, width, height);
    const int buttonWidth = large ? LargeButtonWidth : SmallButtonWidth;
    const int buttonHeight = large ? LargeButtonHeight : (flat ? 22 : 23);
    for (int i = 0; i < ToolButtonCount; ++i) {
        const Spot s = ButtonLeft[i];
        buttons[static_cast<size_t>(i)]->setGeometry(large ? s.large : s.small, buttonTop, buttonWidth, buttonHeight);
    }
    for (int i = 0; i < 4; ++i) {
        QFrame* sep = separators[static_cast<size_t>(i)];
        const Spot s = SeparatorLeft[i];
        sep->setGeometry(large ? s.large : s.small, buttonTop, i == 1 ? 0 : SeparatorWidth, buttonHeight);
        sep->setVisible(flat);
    }
}

}  // namespace vantrel
