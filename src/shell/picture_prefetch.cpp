#include "shell/picture_prefetch.h"

#include <algorithm>
#include <utility>

#include "shell/resource_library.h"

namespace vantrel {

void PicturePrefetch::start(std::vector<std::string> names) {
    drop();
    names_ = std::move(names);
    // The thread reads its own copy: the names stay readable here meanwhile.
    decoding_ = std::async(std::launch::async, [names = names_] {
        std::vector<QImage> decoded;
        decoded.reserve(names.size());
        for (const std::string& name : names) decoded.push_back(LoadResourcePicture(name));
        return decoded;
    });
}

QImage PicturePrefetch::take(std::string_view name) {
    const auto at = std::find(names_.begin(), names_.end(), name);
    if (at == names_.end()) return {};
    if (decoding_.valid()) pictures_ = decoding_.get();
    const auto i = static_cast<size_t>(at - names_.begin());
    if (i >= pictures_.size()) return {};
    names_.erase(at);
    QImage picture = std::move(pictures_[i]);
    pictures_.erase(pictures_.begin() + static_cast<std::ptrdiff_t>(i));
    return picture;
}

void PicturePrefetch::drop() {
    if (decoding_.valid()) decoding_.wait();
    decoding_ = {};
    names_.clear();
    pictures_.clear();
}

}  // namespace vantrel
