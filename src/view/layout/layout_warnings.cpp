#include "view/layout/layout_warnings.h"

#include "model/game_params.h"
#include "view/layout/layout_inputs.h"
#include "model/param_ids.h"

namespace vantrel {

namespace {
bool foundationArrangementKnown(int a) {
    switch (a) {
        case 1: case 2: case 7: case 8: case 9: case 13: case 17: return true;
        default: return false;
    }
}

std::string code(const GameParams& p, int rowSlot, int arrangementSlot) {
    return placementCode(p, rowSlot, arrangementSlot).text();
}
}  // namespace

std::vector<std::string> layoutWarnings(const GameParams& p) {
    std::vector<std::string> out;
    const int tableauA = p[param::TableauArrangement];
    const int n = p[param::TableauRows];
    const int rows = p[param::TableauTableRows];
    const int d = p[param::Foundations];
    const std::string tableauCode = code(p, param::TableauRow, param::TableauArrangement);

    if ((tableauA == 14 || tableauA == 15) && n == 1)
        out.push_back("tableau placement " + tableauCode + " with a single row (parameter 262 = 1): its gap is left as is");
    if ((tableauA == 10 || tableauA == 18) && n > 0) {
        if (rows < 1)
            out.push_back("tableau placement " + tableauCode + " needs the number of rows (parameter 255 = " +
                          std::to_string(rows) + "): laid out as one row");
        else if (n < rows)
            out.push_back("tableau placement " + tableauCode + " has fewer piles (" + std::to_string(n) +
                          ") than rows (parameter 255 = " + std::to_string(rows) + "): laid out as one row");
    }
    if (foundationArrangementKnown(p[param::FoundationArrangement]) && d <= 0)
        out.push_back("foundation placement " + code(p, param::FoundationRow, param::FoundationArrangement) +
                      " without foundations (parameter 261 = " + std::to_string(d) + "): nothing is placed");
    if (tableauA == 20 && n > 0 && d <= 0)
        out.push_back("tableau placement " + tableauCode +
                      " centres under the foundations, but there are none: the row is centred on the table");
    return out;
}

}  // namespace vantrel
