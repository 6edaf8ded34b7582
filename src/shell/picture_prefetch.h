#pragma once
// Library pictures decoded on a second core before a window asks for them:
// the first to ask for one of the names gets it without decoding it.
#include <QImage>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class PicturePrefetch {
public:
    // Decodes the names on a thread of their own; replaces what was there.
    void start(std::vector<std::string> names);
    // The decoded picture of a prefetched name (waiting for the decoding if
    // it is not done), once; a null picture for any other name.
    QImage take(std::string_view name);
    // What was not taken is not kept.
    void drop();

private:
    std::vector<std::string> names_;
    std::future<std::vector<QImage>> decoding_;
    std::vector<QImage> pictures_;
};

}  // namespace vantrel
