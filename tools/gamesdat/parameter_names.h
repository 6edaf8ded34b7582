#pragma once
// Readable names for the game parameters. An indexed name covers a block of
// consecutive parameters; its index counts from 1.
#include <optional>
#include <string_view>

namespace gamesdat {

struct ParameterName {
    std::string_view name;
    int first;     // parameter number of index 1 (or of the scalar)
    int count;     // 1 for a scalar
};

const ParameterName* findParameterName(std::string_view name);

}  // namespace gamesdat
