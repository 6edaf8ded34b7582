#include "shell/top_panels.h"

#include <QFrame>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>


namespace vantrel {

namespace {

constexpr int TimeWidth = 64;
constexpr int ScoreWidth = 64;
constexpr int StatusHeight = 20;

QFrame* panel(QWidget* parent, const char* name, QFrame::Shape shape = QFrame::Panel) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setAutoFillBackground(true);
    return f;
}

QLabel* panelLabel(QFrame* owner, const char* name, const QString& text) {
    auto* l = new QLabel(text, owner);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}

// The pile-size panel steps aside as soon as the pointer comes over it.
class HideWhenPointedAt : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
            static_cast<QWidget*>(watched)->hide();
        return false;
    }
};

}  // namespace

TopPanels::TopPanels(QWidget* table)
    : largeBar(table, true), smallBar(table, false), pnlTB(largeBar.panel), pnlTB1(smallBar.panel),
      pnlTempo(panel(table, "pnlTempo")), lblTempo(panelLabel(pnlTempo, "lblTempo", "0:00:00")),
      pnlScore(panel(table, "pnlScore")), lblScore(panelLabel(pnlScore, "lblScore", "0")),
      pnlLineaGrigia(panel(table, "pnlLineaGrigia", QFrame::NoFrame)),
      pnlLineaNera(panel(table, "pnlLineaNera", QFrame::NoFrame)), pnlStatusBar(panel(table, "pnlStatusBar")),
      pnl_sb_giocatori(panel(pnlStatusBar, "pnl_sb_giocatori")), pnl_sb_livello(panel(pnlStatusBar, "pnl_sb_livello")),
      pnlPilesSize(panel(table, "pnlPilesSize")) {
    QPalette grey = pnlLineaGrigia->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    pnlLineaGrigia->setPalette(grey);
    QPalette black = pnlLineaNera->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlLineaNera->setPalette(black);
    pnlTempo->resize(TimeWidth, 20);
    pnlScore->resize(ScoreWidth, 20);

    auto* statusLayout = new QHBoxLayout(pnlStatusBar);
    statusLayout->setContentsMargins(1, 1, 1, 1);
    statusLayout->addWidget(pnl_sb_giocatori, 1);
    statusLayout->addWidget(pnl_sb_livello, 1);
    pnlStatusBar->hide();

    auto* sizeLabel = panelLabel(pnlPilesSize, "lblPilesSize", QObject::tr("Pile cards: 104"));
    (new QHBoxLayout(pnlPilesSize))->addWidget(sizeLabel);
    pnlPilesSize->adjustSize();
    pnlPilesSize->hide();
    pnlPilesSize->installEventFilter(new HideWhenPointedAt(pnlPilesSize));
    pnlTB1->setCursor(Qt::ArrowCursor);
    setLarge(false);
}

void TopPanels::loadPictures() {
    largeBar.loadPictures();
    smallBar.loadPictures();
}

void TopPanels::showHints(bool show) {
    largeBar.showHints(show);
    smallBar.showHints(show);
}

void TopPanels::setLarge(bool on) {
    large = on;
    pnlTB->setVisible(on);
    pnlTB1->setVisible(!on);
    const int height = on ? 24 : 20;
    const int labelTop = on ? 4 : 3;
    for (auto [p, l] : {std::pair{pnlTempo, lblTempo}, std::pair{pnlScore, lblScore}}) {
        p->resize(p->width(), height);
        l->setGeometry(0, labelTop, p->width(), height - labelTop);
    }
    applyButtonGeometry();
}

void TopPanels::setFlat(bool on) {
    flat = on;
    largeBar.setFlat(on);
    smallBar.setFlat(on);
    applyButtonGeometry();
}

void TopPanels::applyButtonGeometry() {
    const int top = large ? 2 : 1;
    const QWidget* parent = pnlTB->parentWidget();
    const int width = parent ? parent->width() : 640;
    largeBar.applyGeometry(flat, width, top);
    smallBar.applyGeometry(flat, width, top);
}

TopBarMetrics TopPanels::metrics(int windowWidth) const {
    const QFrame* bar = visibleToolbar();
    const QToolButton* exit = (large ? largeBar : smallBar).button(ToolButton::Exit);
    TopBarMetrics m;
    m.windowWidth = windowWidth;
    m.toolbarTop = bar->y();
    m.toolbarHeight = bar->height();
    m.toolbarWidth = windowWidth;
    m.lastButtonRight = exit->geometry().right() + 1;
    m.timeWidth = pnlTempo->width();
    m.timeHeight = pnlTempo->height();
    m.scoreWidth = pnlScore->width();
    m.scoreHeight = pnlScore->height();
    return m;
}

void TopPanels::apply(const TopBarPlacement& p) {
    pnlTempo->move(p.timeLeft, p.timeTop);
    pnlScore->move(p.scoreLeft, p.scoreTop);
    pnlTempo->setVisible(p.timeVisible);
    pnlScore->setVisible(p.scoreVisible);
    pnlLineaGrigia->setGeometry(0, p.greyLineTop, p.linesWidth, 1);
    pnlLineaNera->setGeometry(0, p.blackLineTop, p.linesWidth, 1);
    pnlLineaGrigia->show();
    pnlLineaNera->show();
    for (QWidget* w : {static_cast<QWidget*>(pnlTempo), static_cast<QWidget*>(pnlScore),
                       static_cast<QWidget*>(pnlLineaGrigia), static_cast<QWidget*>(pnlLineaNera)})
        w->raise();
}

void TopPanels::placeStatusBar(int width, int height) {
    if (!pnlStatusBar->isVisible()) return;
    pnlStatusBar->setGeometry(0, height - StatusHeight, width, StatusHeight);
    pnlStatusBar->raise();
}

}  // namespace vantrel
