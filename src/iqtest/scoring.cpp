#include "scoring.h"

namespace iq {

const std::array<Band, 9>& bands()
{
    static const std::array<Band, 9> table = {{
        {QStringLiteral("140 a více"), QStringLiteral("0,2%"), QStringLiteral("inteligence géniů"), 92, 140, 152},
        {QStringLiteral("130 - 139"), QStringLiteral("2,8%"), QStringLiteral("výjimečná inteligence"), 82, 130, 139},
        {QStringLiteral("120 - 129"), QStringLiteral("6,0%"), QStringLiteral("vysoce nadprůměrná inteligence"), 70, 120, 129},
        {QStringLiteral("110 - 119"), QStringLiteral("12,0%"), QStringLiteral("nadprůměrná inteligence"), 58, 110, 119},
        {QStringLiteral("100 - 109"), QStringLiteral("25,0%"), QStringLiteral("vysoce průměrná inteligence"), 43, 100, 109},
        {QStringLiteral("90 - 99"), QStringLiteral("25,0%"), QStringLiteral("průměrná inteligence"), 30, 90, 99},
        {QStringLiteral("80 - 89"), QStringLiteral("10,0%"), QStringLiteral("slabě podprůměrná inteligence"), 19, 80, 89},
        {QStringLiteral("70 - 79"), QStringLiteral("10,0%"), QStringLiteral("velmi podprůměrná inteligence"), 9, 70, 79},
        {QStringLiteral("69 a méně"), QStringLiteral("9,0%"), QStringLiteral("slabomyslnost"), 0, 0, 69},
    }};
    return table;
}

int percentScore(int correct, int itemCount)
{
    if (itemCount <= 0 || correct <= 0)
        return 0;
    return 100 * correct / itemCount;
}

int ageFactorTenths(int age)
{
    if (age < 13)
        return 13;
    if (age <= 15)
        return 12;
    if (age <= 18)
        return 11;
    if (age <= 29)
        return 10;
    if (age <= 49)
        return 11;
    return 12;
}

int applyAgeFactor(int percent, int age)
{
    // Exact integer tenths: no binary rounding of 1.1, 1.2 or 1.3 can move a
    // score across a band boundary.
    return percent * ageFactorTenths(age) / 10;
}

int bandRow(int percent)
{
    const auto& table = bands();
    for (int row = 0; row < static_cast<int>(table.size()); ++row)
        if (percent >= table[row].minPercent)
            return row;
    return static_cast<int>(table.size()) - 1;
}

int spocitejpolohu(int x)
{
    // floor division also for values left of the scale start
    const int scaled = (x - 57) * 393;
    return scaled >= 0 ? scaled / 96 : -((-scaled + 95) / 96);
}

int leadingNumber(const QString& text)
{
    int value = 0;
    int i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 32767)  // the age is a 16-bit number; longer texts cannot come from the age box
            return 32767;
    }
    return value;
}

}  // namespace iq
