#pragma once
// Turning answers into an IQ band: percent score, age correction, the nine
// bands and the arithmetic of the result bar.

#include <QString>
#include <array>

namespace iq {

struct Band {
    QString text;      // shown on the bar and in the table
    QString share;     // share of the population
    QString category;  // verbal category
    int minPercent;    // lowest percent score of the band
    int barFrom;       // IQ where the band starts on the bar (0: bottom band, no segment)
    int barTo;         // IQ where it ends
};

// Rows 0 (highest) .. 8 (lowest).
const std::array<Band, 9>& bands();

// floor(100 * correct / itemCount); 0 when there are no items.
int percentScore(int correct, int itemCount);
// Age factor in tenths: 13 means 1.3, 10 means no correction.
int ageFactorTenths(int age);
// floor(percent * factor), in exact integer arithmetic.
int applyAgeFactor(int percent, int age);
// Row of the band whose range holds the percent score.
int bandRow(int percent);
// Pixels from the start of the bar to IQ value x; the 393-pixel bar spans IQ 57..153.
int spocitejpolohu(int x);
// Numeric value of the leading digits (blanks before them allowed); 0 if none.
int leadingNumber(const QString& text);

}  // namespace iq
