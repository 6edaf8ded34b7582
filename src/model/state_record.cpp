#include "model/state_record.h"

#include <algorithm>

#include "model/text.h"

namespace vantrel {

StateRecord::StateRecord() {
    for (auto& s : segments_) s.fill(' ');
}

void StateRecord::StateInit(std::string_view programFolder) {
    for (auto& s : segments_) s.fill(' ');
    write(field::Program_Folder, programFolder);
    write(field::Config_File, "DATA\\CFG.DAT");
}

bool StateRecord::locate(int pos, int& segment, int& index) {
    if (pos <= 0 || pos >= RecordLength) return false;
    segment = pos / SegmentLength;
    const int ch = pos - segment * SegmentLength;  // 1-based within the segment
    if (ch == 0) return false;
    index = ch - 1;
    return true;
}

void StateRecord::StateWrite(int pos, int len, std::string_view value) {
    int seg = 0, idx = 0;
    if (len <= 0 || !locate(pos, seg, idx)) return;
    std::string v(trimLeft(value));
    v.resize(static_cast<size_t>(len), ' ');
    auto& s = segments_[static_cast<size_t>(seg)];
    for (int i = 0; i < len && idx + i < SegmentLength; ++i) s[static_cast<size_t>(idx + i)] = v[static_cast<size_t>(i)];
}

std::string StateRecord::StateRead(int pos, int len) const {
    int seg = 0, idx = 0;
    if (len <= 0 || !locate(pos, seg, idx)) return {};
    const auto& s = segments_[static_cast<size_t>(seg)];
    const int n = std::min(len, SegmentLength - idx);
    return std::string(trimRight(std::string_view(s.data(), s.size()).substr(static_cast<size_t>(idx), static_cast<size_t>(n))));
}

long long StateRecord::readInt(Field f, long long fallback) const {
    long long v = 0;
    return parseInteger(read(f), v) ? v : fallback;
}

}  // namespace vantrel
