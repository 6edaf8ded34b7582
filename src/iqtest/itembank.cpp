#include "itembank.h"

#include <QStringList>
#include <algorithm>

namespace iq {
namespace {

struct ShippedItem {
    const char* cells;    // nine strings, row by row
    const char* options;  // six strings
    int key;
};

// Strings are separated by single blanks; none contains a blank.
constexpr ShippedItem kShipped[] = {
    {"A C E G I K M O ?", "O R S Q P A", 4},
    {"A D E D C G E F ?", "K J I Q L C", 1},
    {"X A W Q B O J D ?", "K L D C E F", 6},
    {"C C C A B C C F ?", "C I J E F G", 2},
    {"AX A AXA B BC BBC AB E ?", "BBA ABA ABE EAB ABB EBA", 3},
    {"US PM UM CD HO CO PS RC ?", "SR PC C OU SC AA", 2},
    {"AA AC ST AB BD XB AA BC ?", "AC ST AA AB XT CB", 5},
    {"A A B B B D C C ?", "M I F J G H", 3},
    {"A B C 2 3 1 C E ?", "D C B H Z G", 1},
    {"C 2 A F E 1 M 4 ?", "J K I 8 B 7", 3},
    {"3 2 E 8 1 I 2 5 ?", "G F 10 H A C", 1},
    {"C E D D A F 7 6 ?", "J 13 12 K L 10", 1},
    {"A C D 3 2 4 X A ?", "A X Y B Z W", 5},
    {"CAB 148 DEJ BAR 623 HCU SAD 307 ?", "703 DAS VAK VAL LAK WAK", 3},
    {"AKD ICQ BIS 996 234 108 JTJ KFT ?", "KLM CI5 CIA MIG SIG KRK", 3},
};

std::map<int, QString> shippedStrings()
{
    std::map<int, QString> strings;
    const int count = static_cast<int>(std::size(kShipped));
    strings[10] = QString::number(count);
    for (int n = 1; n <= count; ++n) {
        const ShippedItem& item = kShipped[n - 1];
        const QStringList cells = QString::fromLatin1(item.cells).split(u' ');
        const QStringList options = QString::fromLatin1(item.options).split(u' ');
        for (int i = 1; i <= 9; ++i)
            strings[ItemBank::cellId(n, i)] = cells.value(i - 1);
        for (int i = 1; i <= 6; ++i)
            strings[ItemBank::optionId(n, i)] = options.value(i - 1);
        strings[ItemBank::keyId(n)] = QString::number(item.key);
    }
    return strings;
}

}  // namespace

ItemBank::ItemBank(std::map<int, QString> strings) : strings_(std::move(strings)) {}

const ItemBank& ItemBank::shipped()
{
    static const ItemBank bank(shippedStrings());
    return bank;
}

QString ItemBank::string(int id) const
{
    const auto it = strings_.find(id);
    return it == strings_.end() ? QString() : it->second;
}

int ItemBank::itemCount() const
{
    return std::clamp(string(10).trimmed().toInt(), 0, kMaxItems);
}

int ItemBank::key(int item) const
{
    return string(keyId(item)).trimmed().toInt();
}

bool ItemBank::isLongText(int item) const
{
    for (int i = 1; i <= 9; ++i)
        if (cell(item, i).size() > 1)
            return true;
    for (int i = 1; i <= 6; ++i)
        if (option(item, i).size() > 1)
            return true;
    return false;
}

}  // namespace iq
