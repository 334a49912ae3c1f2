#include "clipkeeper/Latin1Text.h"

namespace razzlewick::clipkeeper {

namespace {

// Bytes in a sequence that starts with `lead`; 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

Latin1Text Utf8ToLatin1(std::string_view utf8)
{
    Latin1Text result;
    result.bytes.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        size_t length = SequenceLength(lead);
        for (size_t i = 1; i < length; ++i) {
            if (at + i >= utf8.size() ||
                !IsContinuation(static_cast<unsigned char>(utf8[at + i]))) {
                length = 0;  // cut short: only the lead byte is skipped
                break;
            }
        }
        if (length == 1) {
            result.bytes.push_back(static_cast<char>(lead));
        } else if (length == 2 && lead <= 0xC3) {
            // U+0080 to U+00FF: Latin-1 has the same code.
            const auto second = static_cast<unsigned char>(utf8[at + 1]);
            result.bytes.push_back(static_cast<char>(((lead & 0x03) << 6) | (second & 0x3F)));
        } else {
            result.bytes.push_back('?');
            result.exact = false;
        }
        at += length == 0 ? 1 : length;
    }
    return result;
}

}  // namespace razzlewick::clipkeeper
