// Showing an item: the nine cells, the six options and the small overlay type
// used when any of the item's strings is longer than one character.
#include "ciselny.h"

#include "look.h"
#include "widgets.h"

namespace iq {
namespace {

void setFieldsVisible(const Ciselny::Controls& u, bool visible)
{
    for (int i = 0; i < 6; ++i) {
        u.moznosti[i]->setVisible(visible);
        u.moznosti2[i]->setVisible(visible);
    }
    for (int i = 0; i < 9; ++i) {
        u.zadani[i]->setVisible(visible);
        if (i < 8)
            u.zadani2[i]->setVisible(visible);
    }
}

void resetBigLabel(QLabel* label)
{
    label->setText(QString());
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(qRound(38 * 96.0 / 72.0));
    label->setFont(font);
}

}  // namespace

void Ciselny::showfields()
{
    setFieldsVisible(ui_, true);
}

void Ciselny::hidefields()
{
    setFieldsVisible(ui_, false);
}

void Ciselny::clearItem()
{
    // Cell 9 keeps its text: every item rewrites it.
    for (int i = 0; i < 8; ++i) {
        ui_.zadani2[i]->setText(QString());
        resetBigLabel(ui_.zadani[i]);
    }
    for (int i = 0; i < 6; ++i) {
        setBackground(ui_.moznosti[i], kWhite);
        resetBigLabel(ui_.moznosti[i]);
        ui_.moznosti2[i]->setText(QString());
    }
}

void Ciselny::fillItem(int n)
{
    clearItem();
    loadcells(n);
    loadoptions(n);
}

void Ciselny::loadcells(int n)
{
    const bool longText = bank_.isLongText(n);
    for (int i = 1; i <= 9; ++i) {
        const QString s = bank_.cell(n, i);
        if (s == QStringLiteral("?")) {
            for (QLabel* cell : ui_.zadani)
                setBackground(cell, kWhite);
            setBackground(ui_.zadani[i - 1], kRed);
            ui_.zadani[i - 1]->setText(s);
        } else if (longText && i < 9) {
            ui_.zadani2[i - 1]->setText(s);
        } else {
            // Cell 9 has no overlay; its text goes to the big label.
            ui_.zadani[i - 1]->setText(s);
        }
    }
}

void Ciselny::loadoptions(int n)
{
    const bool longText = bank_.isLongText(n);
    for (int i = 1; i <= 6; ++i) {
        QLabel* target = longText ? static_cast<QLabel*>(ui_.moznosti2[i - 1]) : ui_.moznosti[i - 1];
        target->setText(bank_.option(n, i));
    }
}

}  // namespace iq
