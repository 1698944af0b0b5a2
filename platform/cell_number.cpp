#include "platform/cell_number.h"

#include <charconv>

#include "platform/runtime_error.h"

namespace kelo {

namespace {
// 0 = ok, 1 = not a number, 2 = overflow
int parse(std::string_view t, int16_t& out) {
    if (t.empty()) return 1;
    size_t i = 0;
    bool neg = false;
    if (t[0] == '-') {
        neg = true;
        i = 1;
        if (t.size() == 1) return 1;
    }
    long v = 0;
    bool big = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (c < '0' || c > '9') return 1;
        if (!big) {
            v = v * 10 + (c - '0');
            if (v > 32768) big = true;
        }
    }
    if (neg) v = -v;
    if (big || v > 32767 || v < -32768) return 2;
    out = static_cast<int16_t>(v);
    return 0;
}
}  // namespace

int16_t val16(std::string_view text) {
    int16_t v = 0;
    switch (parse(text, v)) {
    case 0: return v;
    case 2: raise(ErrorCode::Overflow, "\"" + std::string(text) + "\"");
    default: raise(ErrorCode::TypeMismatch, "\"" + std::string(text) + "\"");
    }
}

bool isNumber16(std::string_view text) {
    int16_t v = 0;
    return parse(text, v) == 0;
}

int16_t check16(long long v) {
    if (v > 32767 || v < -32768) raise(ErrorCode::Overflow, std::to_string(v));
    return static_cast<int16_t>(v);
}

std::optional<int> plainNumber(std::string_view s) {
    if (s.empty() || s.size() > 5 || (s.size() > 1 && s[0] == '0')) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > 32767) return std::nullopt;
    return v;
}

int plainNumberIn(std::string_view text, int lo, int hi) {
    const std::optional<int> n = plainNumber(text);
    return n && *n >= lo && *n <= hi ? *n : 0;
}

int64_t valCount(std::string_view text) {
    std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        raise(ErrorCode::TypeMismatch, "\"" + std::string(text) + "\"");
    int64_t v = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), v).ec != std::errc())
        raise(ErrorCode::Overflow, "\"" + std::string(text) + "\"");
    return v;
}

std::string str16(int value) { return std::to_string(check16(value)); }
int16_t add16(int a, int b) { return check16(static_cast<long long>(a) + b); }
int16_t sub16(int a, int b) { return check16(static_cast<long long>(a) - b); }
int16_t mul16(int a, int b) { return check16(static_cast<long long>(a) * b); }

}  // namespace kelo
