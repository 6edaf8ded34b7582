#pragma once
// The one way the core shows a message to the player.
#include <string_view>

namespace vantrel {

class Messages {
public:
    virtual ~Messages() = default;
    virtual void infoBox(std::string_view text) = 0;
};

}  // namespace vantrel
