#include "promises.h"

#include <cstdio>

namespace kelo::fuzz {

void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", promise);
    __builtin_trap();
}

bool sameVerdict(const RecordCheck& a, const RecordCheck& b) {
    return a.badLine == b.badLine && a.reason == b.reason && a.values == b.values;
}

std::string withCrLf(std::string_view content) {
    std::string out;
    out.reserve(content.size() + content.size() / 4);
    for (size_t p = 0, e; p < content.size(); p = e + 1) {
        e = content.find('\n', p);
        if (e == std::string_view::npos) {
            out += content.substr(p);
            break;
        }
        out += content.substr(p, e - p);
        out += e > p && content[e - 1] == '\r' ? "\n" : "\r\n";
    }
    return out;
}

}  // namespace kelo::fuzz
