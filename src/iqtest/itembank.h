#pragma once
// The item bank: numbered strings that make up the test items, exactly as
// they are addressed by the rest of the program (count, cells, options, keys).

#include <QString>
#include <map>

namespace iq {

// The arrays of the test window hold at most this many items.
inline constexpr int kMaxItems = 30;

class ItemBank {
public:
    explicit ItemBank(std::map<int, QString> strings);

    // The fifteen items the program ships with.
    static const ItemBank& shipped();

    static int cellId(int item, int cell) { return 10 * (item - 1) + cell; }
    static int optionId(int item, int option) { return 1000 + 10 * (item - 1) + option; }
    static int keyId(int item) { return 1000 + 10 * (item - 1) + 7; }

    // Empty text for an identifier the bank does not hold.
    QString string(int id) const;
    int size() const { return static_cast<int>(strings_.size()); }

    // Integer value of string 10, kept within 0..kMaxItems.
    int itemCount() const;
    QString cell(int item, int cell) const { return string(cellId(item, cell)); }
    QString option(int item, int option) const { return string(optionId(item, option)); }
    // Number of the correct option, 0 when the key is missing or not a number.
    int key(int item) const;
    // Any cell or option longer than one character puts the whole item in small type.
    bool isLongText(int item) const;

private:
    std::map<int, QString> strings_;
};

}  // namespace iq
