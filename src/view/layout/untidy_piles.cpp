#include "view/layout/untidy_piles.h"

namespace vantrel {

JitterTables buildJitterTables(const RandomInt& random) {
    JitterTables tables{};
    for (JitterTable& table : tables) {
        table[0] = 0;
        int sum = 0;
        int previous = random(3);
        for (size_t k = 1; k < table.size(); ++k) {
            int b = random(3);
            // Rarely two steps the same way in a row.
            if ((previous > 2 && b > 2) || (b > 0 && b <= 2 && previous <= 2)) b = 0;
            previous = b;
            int v = b <= 2 ? b : -1;
            sum += v;
            if (sum > 2) {
                v -= 2;
                sum -= 2;
            } else if (sum < -2) {
                v += 2;
                sum += 2;
            }
            table[k] = v;
        }
    }
    return tables;
}

int jitterOffset(const JitterTables& tables, int pile, int card) {
    if (pile < 0 || card < 0) return 0;
    const int t = pile < 7 ? pile : pile % 6;
    const int k = card > 12 ? card % 12 : card;
    return tables[static_cast<size_t>(t)][static_cast<size_t>(k)];
}

}  // namespace vantrel
