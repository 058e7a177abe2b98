#include "MemoFileEncoding.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

unsigned char ByteAt(std::string_view bytes, std::size_t i)
{
    return static_cast<unsigned char>(bytes[i]);
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at i, or 0 when there is none: overlong forms,
// surrogates and code points beyond U+10FFFF are not UTF-8. The second byte's range depends on the
// lead byte; the others are plain continuation bytes.
std::size_t SequenceLength(std::string_view bytes, std::size_t i)
{
    const unsigned char lead = ByteAt(bytes, i);
    if (lead < 0x80)
        return 1;
    struct Lead {
        unsigned char first, last; // the lead bytes of this row
        std::size_t length;
        unsigned char secondFirst, secondLast;
    };
    static constexpr std::array<Lead, 8> kLeads{{{0xC2, 0xDF, 2, 0x80, 0xBF},
                                                 {0xE0, 0xE0, 3, 0xA0, 0xBF},
                                                 {0xE1, 0xEC, 3, 0x80, 0xBF},
                                                 {0xED, 0xED, 3, 0x80, 0x9F},
                                                 {0xEE, 0xEF, 3, 0x80, 0xBF},
                                                 {0xF0, 0xF0, 4, 0x90, 0xBF},
                                                 {0xF1, 0xF3, 4, 0x80, 0xBF},
                                                 {0xF4, 0xF4, 4, 0x80, 0x8F}}};
    const auto row = std::find_if(kLeads.begin(), kLeads.end(), [lead](const Lead& candidate) {
        return lead >= candidate.first && lead <= candidate.last;
    });
    if (row == kLeads.end() || i + row->length > bytes.size())
        return 0;
    const unsigned char second = ByteAt(bytes, i + 1);
    if (second < row->secondFirst || second > row->secondLast)
        return 0;
    for (std::size_t k = 2; k < row->length; ++k)
        if (!IsContinuation(ByteAt(bytes, i + k)))
            return 0;
    return row->length;
}

// Valid UTF-8 throughout, with at least one three-byte sequence.
bool LooksLikeJapaneseUtf8(std::string_view bytes)
{
    bool threeBytes = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = SequenceLength(bytes, i);
        if (length == 0)
            return false;
        threeBytes = threeBytes || length == 3;
        i += length;
    }
    return threeBytes;
}

} // namespace

MemoFileEncoding DetectMemoFileEncoding(std::string_view bytes, bool codePageIsUtf8)
{
    if (bytes.starts_with(kUtf8Mark))
        return MemoFileEncoding::Utf8Marked;
    if (bytes.starts_with(kUtf16LittleEndianMark))
        return MemoFileEncoding::Utf16LittleEndian;
    if (bytes.starts_with(kUtf16BigEndianMark))
        return MemoFileEncoding::Utf16BigEndian;
    if (!codePageIsUtf8 && LooksLikeJapaneseUtf8(bytes))
        return MemoFileEncoding::Utf8Guessed;
    return MemoFileEncoding::CodePage;
}

std::size_t ByteOrderMarkLength(MemoFileEncoding encoding)
{
    switch (encoding) {
    case MemoFileEncoding::Utf8Marked:
        return kUtf8Mark.size();
    case MemoFileEncoding::Utf16LittleEndian:
    case MemoFileEncoding::Utf16BigEndian:
        return kUtf16LittleEndianMark.size();
    default:
        return 0;
    }
}
