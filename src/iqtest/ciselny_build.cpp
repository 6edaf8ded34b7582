// Creation of the test window's controls: every control at its pixel place,
// with its look and initial state.
#include "ciselny.h"
#include "look.h"
#include "widgets.h"

#include <QAction>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <optional>

namespace iq {
namespace {

constexpr QSize kClientSize(794, 556);

// Client area: light grey under the space-scene picture.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QWidget* parent) : QWidget(parent), picture_(QStringLiteral(":/iqtest/pozadi.png"))
    {
        setBackground(this, kLightGrey);
    }
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
    }
private:
    QPixmap picture_;
};

struct LabelLook {
    LabelLook(QFont f, Qt::Alignment a = Qt::AlignCenter, bool b = false, std::optional<QColor> bg = std::nullopt)
        : font(std::move(f)), alignment(a), border(b), background(bg)
    {
    }
    QFont font;
    Qt::Alignment alignment;
    bool border;
    std::optional<QColor> background;  // none: transparent
};

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, QRect place, const LabelLook& look, const QString& text = {})
{
    auto* label = new Label(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(look.font);
    label->setAlignment(look.alignment);
    label->setTextFormat(Qt::PlainText);
    if (look.border)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    if (look.background)
        setBackground(label, *look.background);
    return label;
}

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QString::number(index);
}

}  // namespace

void Ciselny::buildControls(QWidget* client)
{
    auto& u = ui_;
    // The frame lies behind the panel it encloses and lets clicks through.
    u.ohrazeni = new QFrame(client);
    u.ohrazeni->setObjectName(QStringLiteral("ohrazeni"));
    u.ohrazeni->setGeometry(632, 192, 121, 308);
    u.ohrazeni->setFrameStyle(QFrame::Box | QFrame::Plain);
    u.ohrazeni->setAttribute(Qt::WA_TransparentForMouseEvents);

    u.instrukce = makeLabel<WrapLabel>(client, QStringLiteral("instrukce"), {32, 24, 561, 113},
                            {timesFont(14.25), Qt::AlignLeft | Qt::AlignTop, true, kLightGrey});
    u.pozice = makeLabel(client, QStringLiteral("pozice"), {664, 60, 57, 41}, {timesFont(24), Qt::AlignCenter, true, kWhite});

    u.wokno = makeLabel(client, QStringLiteral("wokno"), {648, 208, 89, 33}, {timesFont(12), Qt::AlignCenter, true, kWhite});
    const QFont clockFont = timesFont(18, true);
    u.minuty = makeLabel(client, QStringLiteral("minuty"), {661, 212, 25, 25},
                         {clockFont, Qt::AlignRight | Qt::AlignVCenter, false, kWhite}, QStringLiteral("20"));
    u.dvojtecka = makeLabel(client, QStringLiteral("dvojtecka"), {687, 211, 17, 25}, {clockFont, Qt::AlignCenter, false, kWhite},
                            QStringLiteral(":"));
    u.sekundy = makeLabel(client, QStringLiteral("sekundy"), {703, 212, 25, 25}, {clockFont, Qt::AlignCenter, false, kWhite},
                          QStringLiteral("00"));

    u.label2 = makeLabel(client, QStringLiteral("Label2"), {648, 264, 89, 138},
                         {timesFont(12), Qt::AlignCenter, true, palette().color(QPalette::Button)});
    for (int k = 1; k <= 8; ++k)
        u.vycet[k - 1] = makeLabel<ClickLabel>(client, indexed("vycet", k), {650, 266 + 17 * (k - 1), 68, 17},
                                               {sansSerifFont(9.75), Qt::AlignCenter, false, kWhite}, QString::number(k));
    u.posunovatko = new QScrollBar(Qt::Vertical, client);
    u.posunovatko->setObjectName(QStringLiteral("posunovatko"));
    u.posunovatko->setGeometry(719, 266, 17, 135);
    u.posunovatko->setRange(1, 1);
    u.posunovatko->setSingleStep(1);
    u.posunovatko->setPageStep(4);
    u.posunovatko->setValue(1);

    const auto pictureButton = [client](const char* name, QRect place) {
        auto* button = new PictureButton(QString::fromLatin1(name), client);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(place);
        return button;
    };
    u.predchozi = pictureButton("predchozi", {656, 424, 33, 24});
    u.dalsi = pictureButton("dalsi", {696, 424, 33, 24});
    u.predchozi->setEnabled(false);
    u.dalsi->setEnabled(false);
    u.cmdstart = pictureButton("start", {656, 459, 73, 24});
    u.cmdvysledky = pictureButton("vysledky", {656, 459, 73, 24});
    u.cmdkonec = pictureButton("konec", {656, 459, 73, 24});
    u.cmdstart->setObjectName(QStringLiteral("cmdstart"));
    u.cmdvysledky->setObjectName(QStringLiteral("cmdvysledky"));
    u.cmdkonec->setObjectName(QStringLiteral("cmdkonec"));
    u.cmdvysledky->hide();
    u.cmdkonec->hide();

    u.lblvek = makeLabel(client, QStringLiteral("lblvek"), {192, 318, 165, 25}, {timesFont(14.25), Qt::AlignLeft | Qt::AlignVCenter},
                         QStringLiteral("Zde zadejte svůj věk:"));
    setTextColour(u.lblvek, kYellow);
    u.stari = new AgeBox(client);
    u.stari->setObjectName(QStringLiteral("stari"));
    u.stari->setGeometry(368, 316, 49, 25);
    u.stari->setAlignment(Qt::AlignCenter);
    u.stari->setFont(timesFont(14.25, true));

    buildItemControls(client);
    buildResultControls(client);
}

void Ciselny::buildItemControls(QWidget* client)
{
    auto& u = ui_;
    const LabelLook big{timesFont(38, true), Qt::AlignCenter, true, kWhite};
    const LabelLook small{timesFont(15.75), Qt::AlignCenter, false, std::nullopt};
    for (int i = 1; i <= 9; ++i) {
        const int x = 216 + 64 * ((i - 1) % 3);
        const int y = 192 + 64 * ((i - 1) / 3);
        u.zadani[i - 1] = makeLabel(client, indexed("zadani", i), {x, y, 65, 65}, big);
        u.zadani[i - 1]->hide();
        if (i < 9) {
            u.zadani2[i - 1] = makeLabel(client, indexed("zadani2_", i), {x, y + 21, 65, 25}, small);
            u.zadani2[i - 1]->hide();
        }
    }
    for (int i = 1; i <= 6; ++i) {
        const int x = 120 + 64 * (i - 1);
        u.moznosti[i - 1] = makeLabel<ClickLabel>(client, indexed("moznosti", i), {x, 432, 65, 65}, big);
        u.moznosti2[i - 1] = makeLabel<ClickLabel>(client, indexed("moznosti2_", i), {x, 453, 65, 25}, small);
        u.moznosti[i - 1]->hide();
        u.moznosti2[i - 1]->hide();
    }
}

void Ciselny::buildResultControls(QWidget* client)
{
    auto& u = ui_;
    const QFont scaleFont = sansSerifFont(9.75);
    u.progress = makeLabel(client, QStringLiteral("progress"), {120, 208, 393, 25}, {scaleFont, Qt::AlignCenter, true, kWhite});
    u.roztahnuti = makeLabel(client, QStringLiteral("roztahnuti"), {122, 210, 0, 22}, {scaleFont, Qt::AlignCenter, false, kCyan});
    u.rozpeti = makeLabel(client, QStringLiteral("rozpeti"), {122, 210, 0, 22}, {scaleFont, Qt::AlignCenter, false, kYellow});
    u.vysledek = makeLabel(client, QStringLiteral("vysledek"), {290, 213, 77, 17}, {sansSerifFont(9.75, true)});
    u.vasvysedek = makeLabel(client, QStringLiteral("vasvysedek"), {222, 168, 193, 33}, {timesFont(18, true)},
                             QStringLiteral("Váš výsledek"));
    setTextColour(u.vasvysedek, kYellow);
    for (int i = 0; i <= 9; ++i) {
        u.meritko[i] = makeLabel(client, indexed("meritko", i), {128 + 40 * i, 240, i < 4 ? 17 : 25, 17}, {scaleFont},
                                 QString::number(60 + 10 * i));
    }
    u.ramec = makeLabel(client, QStringLiteral("ramec1"), {136, 272, 361, 237}, {scaleFont, Qt::AlignCenter, true, kWhite});
    const QFont tableFont = timesFont(9.75, true);
    for (int r = 0; r <= 8; ++r) {
        const int y = 288 + 24 * r;
        u.zvyrazneni[r] = makeLabel(client, indexed("zvyrazneni", r + 1), {152, y, 329, 17}, {tableFont, Qt::AlignCenter, true, kRed});
        u.body[r] = makeLabel(client, indexed("body", r), {160, y, 64, 17}, {tableFont, Qt::AlignLeft | Qt::AlignVCenter});
        u.qocient[r] = makeLabel(client, indexed("qocient", r), {224, y, 73, 17}, {tableFont});
        u.hodnoceni[r] = makeLabel(client, indexed("hodnoceni", r), {232, y, 241, 17}, {tableFont, Qt::AlignRight | Qt::AlignVCenter});
    }
    const auto hideAll = [](auto& controls) {
        for (QWidget* control : controls)
            control->hide();
    };
    for (QWidget* control : {static_cast<QWidget*>(u.progress), static_cast<QWidget*>(u.roztahnuti),
                             static_cast<QWidget*>(u.rozpeti), static_cast<QWidget*>(u.vysledek),
                             static_cast<QWidget*>(u.vasvysedek), static_cast<QWidget*>(u.ramec)})
        control->hide();
    hideAll(u.meritko);
    hideAll(u.zvyrazneni);
    hideAll(u.body);
    hideAll(u.qocient);
    hideAll(u.hodnoceni);
}

void Ciselny::buildMenu()
{
    auto& u = ui_;
    menuBar()->setFont(sansSerifFont(8.25));  // not the window's large default font
    u.operace = menuBar()->addMenu(QStringLiteral("Operace"));
    u.operace->setObjectName(QStringLiteral("operace"));
    const auto item = [&u](const char* name, const QString& caption, const QKeySequence& shortcut, bool enabled) {
        QAction* action = u.operace->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setEnabled(enabled);
        return action;
    };
    u.start = item("start", QStringLiteral("Start"), QKeySequence(Qt::CTRL | Qt::Key_S), true);
    u.mnudalsi = item("mnudalsi", QStringLiteral("Další"), QKeySequence(Qt::CTRL | Qt::Key_N), false);
    u.mnupredchozi = item("mnupredchozi", QStringLiteral("Předchozí"), QKeySequence(Qt::CTRL | Qt::Key_P), false);
    u.vysledky = item("vysledky", QStringLiteral("Výsledky"), QKeySequence(), false);
    u.konec = item("konec", QStringLiteral("Konec"), QKeySequence(), true);
}

Ciselny::Ciselny(const ItemBank& bank, QWidget* parent) : QMainWindow(parent), bank_(bank)
{
    setObjectName(QStringLiteral("ciselny"));
    setWindowTitle(QStringLiteral("Lumaxo"));
    setFont(sansSerifFont(24));
    auto* client = new Backdrop(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    buildControls(client);
    buildMenu();
    connectEvents();
    load();
    adjustSize();
    setFixedSize(size());
}

}  // namespace iq
