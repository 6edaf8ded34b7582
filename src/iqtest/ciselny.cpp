// The flow of the test: age gate, moving between items, answering, the item
// list, the clock and the way to the results and out of the program.
#include "ciselny.h"

#include "dialogs.h"
#include "look.h"
#include "scoring.h"
#include "widgets.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <memory>

namespace iq {

Ciselny::~Ciselny() = default;

void Ciselny::connectEvents()
{
    auto& u = ui_;
    runModal = [](QDialog& dialog) { dialog.exec(); };
    endProgram = [] { QCoreApplication::exit(0); };

    connect(u.cmdstart, &QAbstractButton::clicked, this, [this] {
        if (ui_.cmdstart->isVisible())
            starttest();
    });
    connect(u.start, &QAction::triggered, this, &Ciselny::starttest);
    connect(u.stari, &AgeBox::enterPressed, this, &Ciselny::starttest);
    connect(u.dalsi, &QAbstractButton::clicked, this, &Ciselny::nextitem);
    connect(u.mnudalsi, &QAction::triggered, this, &Ciselny::nextitem);
    connect(u.predchozi, &QAbstractButton::clicked, this, &Ciselny::previtem);
    connect(u.mnupredchozi, &QAction::triggered, this, &Ciselny::previtem);
    for (int i = 1; i <= 6; ++i) {
        connect(u.moznosti[i - 1], &ClickLabel::clicked, this, [this, i] { chooseOption(i); });
        connect(u.moznosti2[i - 1], &ClickLabel::clicked, this, [this, i] { chooseOption(i); });
    }
    for (int k = 1; k <= 8; ++k)
        connect(u.vycet[k - 1], &ClickLabel::clicked, this, [this, k] { vycetClick(k); });
    connect(u.posunovatko, &QScrollBar::valueChanged, this, &Ciselny::refreshlist);
    connect(&timer1_, &QTimer::timeout, this, &Ciselny::Timer1_Timer);
    connect(u.cmdvysledky, &QAbstractButton::clicked, this, [this] {
        if (ui_.cmdvysledky->isVisible())
            askresults();
    });
    connect(u.vysledky, &QAction::triggered, this, &Ciselny::askresults);
    connect(u.cmdkonec, &QAbstractButton::clicked, this, &Ciselny::askquit);
    connect(u.konec, &QAction::triggered, this, &Ciselny::askquit);
}

void Ciselny::load()
{
    auto& u = ui_;
    current_ = 0;
    answers_.fill(0);
    itemstate_.fill(0);
    itemcount_ = bank_.itemCount();
    u.posunovatko->setMaximum(itemcount_ - 7 > 0 ? itemcount_ - 7 : 1);

    u.dalsi->setToolTip(QStringLiteral(" Další "));
    u.predchozi->setToolTip(QStringLiteral(" Předchozí "));
    u.cmdstart->setToolTip(QStringLiteral(" Odstartuje test "));
    u.cmdvysledky->setToolTip(QStringLiteral(" Zobrazí výsledky "));
    u.cmdkonec->setToolTip(QStringLiteral(" Ukončí test "));
    // The runs of blanks break the lines where the label's width wants them.
    u.instrukce->setText(QStringLiteral(
        " Na tento test máte 20 minut. Čas je dostatečný, abyste stačili nejen test        vyplnit, ale i "
        "zkontrolovat. Ke správným výsledkům se doberete                  zkoumáním logických závislostí v "
        "řádcích a ve sloupcích. Upozorňuji, že   řešení můžete nalézt i jen v jednom z těchto směrů a nikoli "
        "ve všech            směrech, jak je tomu např. při vstupním testu do Mensy."));
}

void Ciselny::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (ui_.stari->isVisible())
            ui_.stari->setFocus();
        unsetCursor();
    }
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && cover_ && cover_->isMinimized()) {
        cover_->showNormal();
        raise();
        activateWindow();
    }
}

void Ciselny::closeEvent(QCloseEvent* event)
{
    event->ignore();
    askquit();
}

void Ciselny::runDialog(QDialog& dialog)
{
    runModal(dialog);
}

void Ciselny::starttest()
{
    auto& u = ui_;
    if (current_ != 0)
        return;  // the test runs once
    if (leadingNumber(u.stari->text()) <= 3) {
        std::unique_ptr<QDialog> notice(makeZadejvek(this));
        runDialog(*notice);
        return;
    }
    u.stari->hide();
    u.lblvek->hide();
    showfields();
    current_ = 1;
    showitem(1);
    u.instrukce->setText(QStringLiteral(" Vyberte tu možnost, která doplní obrazec."));
    u.pozice->setText(QStringLiteral("1"));
    timer1_.start(1000);
    u.dalsi->setEnabled(itemcount_ > 1);
    u.mnudalsi->setEnabled(itemcount_ > 1);
    u.vysledky->setEnabled(true);
    u.start->setEnabled(false);
    u.cmdstart->hide();
    u.cmdvysledky->show();
}

void Ciselny::setPrevEnabled(bool enabled)
{
    ui_.predchozi->setEnabled(enabled);
    ui_.mnupredchozi->setEnabled(enabled);
}

void Ciselny::setNextEnabled(bool enabled)
{
    ui_.dalsi->setEnabled(enabled);
    ui_.mnudalsi->setEnabled(enabled);
}

void Ciselny::showitem(int n)
{
    if (n < 1 || n > itemcount_)
        return;
    setPrevEnabled(n > 1);
    setNextEnabled(n < itemcount_);
    fillItem(n);
    if (answers_[n] != 0)
        setBackground(ui_.moznosti[answers_[n] - 1], kRed);
    ui_.pozice->setText(QString::number(n));
    current_ = n;
    markcurrent();
}

void Ciselny::nextitem()
{
    if (current_ >= 1 && current_ < itemcount_)
        showitem(current_ + 1);
}

void Ciselny::previtem()
{
    if (current_ > 1 && current_ <= itemcount_)
        showitem(current_ - 1);
}

void Ciselny::chooseOption(int i)
{
    if (current_ < 1 || current_ > itemcount_ || i < 1 || i > 6)
        return;
    for (int j = 1; j <= 6; ++j)
        setBackground(ui_.moznosti[j - 1], j == i ? kRed : kWhite);
    answers_[current_] = i;
    markanswered(current_);
}

int Ciselny::entryNumber(int k) const
{
    return ui_.vycet[k - 1]->text().toInt();
}

void Ciselny::setEntryCurrent(int k, bool isCurrent)
{
    QLabel* entry = ui_.vycet[k - 1];
    entry->setFrameStyle(isCurrent ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    QFont font = entry->font();
    font.setBold(isCurrent);
    entry->setFont(font);
}

void Ciselny::refreshlist()
{
    const int first = ui_.posunovatko->value();
    for (int k = 1; k <= 8; ++k) {
        setEntryCurrent(k, false);
        setBackground(ui_.vycet[k - 1], kWhite);
        ui_.vycet[k - 1]->setText(QString::number(first + k - 1));
    }
    for (int k = 1; k <= 8; ++k) {
        const int m = entryNumber(k);
        if (m == current_)
            setEntryCurrent(k, true);
        if (m >= 1 && m <= kMaxItems && itemstate_[m] == 2)
            setBackground(ui_.vycet[k - 1], kRed);
    }
}

void Ciselny::markcurrent()
{
    for (int k = 1; k <= 8; ++k)
        setEntryCurrent(k, false);
    for (int k = 1; k <= 8; ++k) {
        if (entryNumber(k) == current_) {
            setEntryCurrent(k, true);
            return;
        }
    }
    const int value = (current_ > itemcount_ - 8 || current_ < 1) ? itemcount_ - 7 : current_;
    ui_.posunovatko->setValue(value);
    refreshlist();
}

void Ciselny::markanswered(int n)
{
    for (int k = 1; k <= 8; ++k)
        if (entryNumber(k) == n && backgroundOf(ui_.vycet[k - 1]) != kRed)
            setBackground(ui_.vycet[k - 1], kRed);
    if (n >= 1 && n <= kMaxItems)
        itemstate_[n] = 2;
}

void Ciselny::vycetClick(int k)
{
    if (current_ < 1 || current_ > 20)
        return;
    showitem(entryNumber(k));  // numbers past the last item show nothing
}

void Ciselny::Timer1_Timer()
{
    auto& u = ui_;
    int m = leadingNumber(u.minuty->text());
    const int s = leadingNumber(u.sekundy->text()) - 1;
    QString seconds = QString::number(s);
    if (s <= 9)
        seconds = QStringLiteral("0") + seconds.left(1);
    if (seconds == QStringLiteral("0-")) {
        seconds = QStringLiteral("59");
        m -= 1;
    }
    u.sekundy->setText(seconds);
    u.minuty->setText(QString::number(m));
    if (m != -1)
        return;
    u.minuty->setText(QStringLiteral("0"));
    u.sekundy->setText(QStringLiteral("00"));
    timer1_.stop();
    if (openOvereni_)
        openOvereni_->reject();
    std::unique_ptr<QDialog> notice(makeUpozorneni(this));
    runDialog(*notice);
    finishtest();
}

void Ciselny::finishtest()
{
    auto& u = ui_;
    hidefields();
    u.instrukce->setText(QStringLiteral(" Výsledky testu"));
    evaluate();
    filltable();
    u.cmdkonec->show();
    u.cmdvysledky->hide();
    setPrevEnabled(false);
    setNextEnabled(false);
    u.vysledky->setEnabled(false);
    current_ = kResultsShown;
    u.pozice->setText(QString());
    for (int k = 1; k <= 8; ++k) {
        setBackground(u.vycet[k - 1], kWhite);
        setEntryCurrent(k, false);
    }
    u.posunovatko->setEnabled(false);
}

void Ciselny::askresults()
{
    std::unique_ptr<QDialog> question(makeOvereni(this));
    openOvereni_ = question.get();
    runDialog(*question);
    openOvereni_ = nullptr;
    // Only an answer by button counts: a closed window (title bar, time-out)
    // must not act on the answer of an earlier window.
    if (question->result() == QDialog::Accepted && isConfirmed() && current_ != kResultsShown)
        finishtest();
}

void Ciselny::askquit()
{
    std::unique_ptr<QDialog> question(makeOpravduskoncit(this));
    runDialog(*question);
    if (question->result() == QDialog::Accepted && isConfirmed())
        endProgram();
}

}  // namespace iq
