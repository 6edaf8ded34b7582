#pragma once
// Readable names for the game parameters. An indexed name covers a block of
// consecutive parameters; its index counts from 1.
#include <optional>
#include <string_view>

#include "model/param_ids.h"

namespace gamesdat {

// The names live in the core's parameter table (model/param_ids.h).
using ParameterName = vantrel::param::Name;

const ParameterName* findParameterName(std::string_view name);

}  // namespace gamesdat
