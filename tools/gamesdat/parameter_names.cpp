#include "parameter_names.h"

#include "model/param_ids.h"

namespace gamesdat {

const ParameterName* findParameterName(std::string_view name) {
    for (const auto& n : vantrel::param::Names)
        if (n.name == name) return &n;
    return nullptr;
}

}  // namespace gamesdat
