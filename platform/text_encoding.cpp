#include "platform/text_encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace kelo {

namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F; the five bytes the code page
// leaves free stand for the C1 control of the same number, as Windows reads them.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char32_t fromCp1252(unsigned char b) { return b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : b; }

// The Windows-1252 byte of a code point, or -1 when it has none.
int toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the code point at `i` of valid UTF-8 and moves past it.
char32_t nextCodePoint(std::string_view s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + static_cast<size_t>(k)]) & 0x3F);
    i += static_cast<size_t>(extra) + 1;
    return c;
}

// Eight bytes at a time: a record is read whole at every load.
bool isAscii(std::string_view s) {
    size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull) return false;
    }
    for (; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
    return true;
}

}  // namespace

bool isValidUtf8(std::string_view s) {
    if (isAscii(s)) return true;
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t lo = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1, lo = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2, lo = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3, lo = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(extra) >= s.size()) return false;
        char32_t c = b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((n & 0xC0) != 0x80) return false;
            c = (c << 6) | (n & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode are no UTF-8.
        if (c < lo || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
        i += static_cast<size_t>(extra) + 1;
    }
    return true;
}

std::string textToFile(std::string_view utf8) {
    if (isAscii(utf8) || !isValidUtf8(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        int b = toCp1252(nextCodePoint(utf8, i));
        if (b < 0) return std::string(utf8);  // a character Windows-1252 lacks
        out += static_cast<char>(b);
    }
    // Bytes that would read back as UTF-8 would read back as other characters.
    return isValidUtf8(out) ? std::string(utf8) : out;
}

std::string textFromFile(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char b : bytes) appendUtf8(out, fromCp1252(static_cast<unsigned char>(b)));
    return out;
}

}  // namespace kelo
