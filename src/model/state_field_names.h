#pragma once
// The state record's fields by name, for scripts and tools.
#include <optional>
#include <string_view>

#include "model/state_record.h"

namespace vantrel {

// The field of that exact name, or nothing.
std::optional<Field> stateFieldByName(std::string_view name);

}  // namespace vantrel
