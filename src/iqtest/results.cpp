// The result screen: counting correct answers, the age correction, the band
// on the bar and the table of all bands.
#include "ciselny.h"

#include "look.h"
#include "scoring.h"
#include "widgets.h"

namespace iq {

int Ciselny::ageCorrectedScore() const
{
    int correct = 0;
    for (int n = 1; n <= itemcount_; ++n)
        if (answers_[n] != 0 && answers_[n] == bank_.key(n))
            ++correct;
    const int age = leadingNumber(ui_.stari->text());
    return applyAgeFactor(percentScore(correct, itemcount_), age);
}

void Ciselny::evaluate()
{
    auto& u = ui_;
    const int row = bandRow(ageCorrectedScore());
    const Band& band = bands()[row];
    u.rozpeti->show();
    u.vysledek->setText(band.text);
    u.zvyrazneni[row]->show();
    const int barLeft = u.roztahnuti->x();
    if (row == static_cast<int>(bands().size()) - 1) {
        u.rozpeti->hide();
        u.roztahnuti->resize(spocitejpolohu(band.barTo), u.roztahnuti->height());
        return;
    }
    const int reach = spocitejpolohu(band.barFrom);
    u.roztahnuti->resize(reach, u.roztahnuti->height());
    u.rozpeti->setGeometry(barLeft + reach, u.rozpeti->y(), spocitejpolohu(band.barTo) - reach, u.rozpeti->height());
}

void Ciselny::filltable()
{
    auto& u = ui_;
    for (QWidget* control : {static_cast<QWidget*>(u.progress), static_cast<QWidget*>(u.vasvysedek),
                             static_cast<QWidget*>(u.roztahnuti), static_cast<QWidget*>(u.vysledek),
                             static_cast<QWidget*>(u.ramec)})
        control->show();
    for (int r = 0; r <= 8; ++r) {
        const Band& band = bands()[r];
        u.body[r]->setText(band.text);
        u.qocient[r]->setText(band.share);
        u.hodnoceni[r]->setText(band.category);
    }
    for (int r = 0; r <= 8; ++r) {
        u.body[r]->show();
        setTextColour(u.meritko[r], kYellow);
        u.meritko[r]->show();
        u.qocient[r]->show();
        u.hodnoceni[r]->show();
    }
    timer1_.stop();
    setTextColour(u.meritko[9], kYellow);
    u.meritko[9]->show();
}

}  // namespace iq
