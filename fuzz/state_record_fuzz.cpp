// The state record under any sequence of writes and reads: nothing
// outside the 750 characters is touched, and a field reads back what was
// written into it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/state_record.h"
#include "model/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vantrel::StateRecord record;
    size_t at = 0;
    auto byte = [&]() -> int { return at < size ? data[at++] : 0; };
    while (at < size) {
        const int op = byte();
        const int pos = static_cast<int16_t>(byte() | byte() << 8);
        const int len = static_cast<int16_t>(byte() | byte() << 8);
        const size_t n = std::min<size_t>(static_cast<size_t>(byte()), size - at);
        const std::string value(reinterpret_cast<const char*>(data + at), n);
        at += n;
        switch (op % 4) {
            case 0: {
                record.StateWrite(pos, len, value);
                const int inSegment = pos % vantrel::StateRecord::SegmentLength;
                if (pos > 0 && pos < vantrel::StateRecord::RecordLength && inSegment != 0 && len > 0 &&
                    inSegment - 1 + len <= vantrel::StateRecord::SegmentLength) {
                    std::string expected(vantrel::trimLeft(value));
                    expected.resize(static_cast<size_t>(len), ' ');
                    if (record.StateRead(pos, len) != vantrel::trimRight(expected)) std::abort();
                }
                break;
            }
            case 1:
                if (record.StateRead(pos, len).size() > static_cast<size_t>(vantrel::StateRecord::SegmentLength))
                    std::abort();
                break;
            case 2:
                record.readInt({pos, len}, -1);
                break;
            default:
                record.StateInit(value);
        }
    }
    return 0;
}
