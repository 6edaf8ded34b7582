#include "shell/picture_prefetch.h"

#include <utility>

#include "shell/helper_priority.h"
#include "shell/resource_library.h"

namespace vantrel {

void PicturePrefetch::start(std::vector<std::string> names) {
    drop();
    names_ = std::move(names);
    // The thread reads its own copy: the names stay readable here meanwhile.
    decoding_ = std::async(std::launch::async, [names = names_] {
        RunHelperAtIdlePriority();
        std::vector<QImage> decoded;
        decoded.reserve(names.size());
        for (const std::string& name : names) decoded.push_back(LoadResourcePicture(name));
        return decoded;
    });
}

QImage PicturePrefetch::take(std::string_view name) {
    // A name listed twice holds two copies: the first not yet taken is given.
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] != name) continue;
        if (decoding_.valid()) pictures_ = decoding_.get();
        if (i < pictures_.size() && !pictures_[i].isNull()) return std::exchange(pictures_[i], QImage());
    }
    return {};
}

void PicturePrefetch::drop() {
    if (decoding_.valid()) decoding_.wait();
    decoding_ = {};
    names_.clear();
    pictures_.clear();
}

}  // namespace vantrel
