#include "settings/reachable_links.h"

#include <cstdint>
#include <string_view>

#include "engine/link_cases.h"
#include "model/cell_roles.h"

namespace kelo {

namespace {

constexpr const char* kPitchNames[11] = {"", "si", "DO", "RE", "MI", "FA", "SOL", "LA", "SI", "do'", "re'"};

struct PivotColumn {
    const char* chord;
    const char* pivot;
};

// Columns of the pivot-note weights: the chord tones of DO+, SOL+ and FA+, low to high.
constexpr PivotColumn kColumns[14] = {
    {"", ""},        {"DO+", "DO"},  {"DO+", "MI"},   {"DO+", "SOL"}, {"DO+", "do'"}, {"SOL+", "si"}, {"SOL+", "RE"},
    {"SOL+", "SOL"}, {"SOL+", "SI"}, {"SOL+", "re'"}, {"FA+", "DO"},  {"FA+", "FA"},  {"FA+", "LA"},  {"FA+", "do'"},
};

using Pitches = uint16_t;  // bit p for pitch number p
constexpr Pitches bit(int p) { return static_cast<Pitches>(1u << p); }

int pitchNumber(const char* name) {
    for (int p = 1; p <= 10; ++p)
        if (std::string_view(name) == kPitchNames[p]) return p;
    return 0;
}

}  // namespace

const char* linkRowPitchName(int r) { return r >= 1 && r <= 10 ? kPitchNames[r] : ""; }

int linkCaseOfPivotColumn(int j) {
    for (int n = 1; n <= 13; ++n) {
        const LinkCase& c = kLinkCases[static_cast<size_t>(n - 1)];
        if (std::string_view(c.chord) == kColumns[j].chord && std::string_view(c.pivot) == kColumns[j].pivot) return n;
    }
    return 0;
}

LinkRows reachableLinkRows(const std::array<bool, 131>& forbiddenPivot, const std::array<bool, 5>& finalDrawable) {
    // Pivots are drawn backwards: the pivot of a half-bar is a candidate of its
    // chord whose cell for the following pivot is not "X". The chord of each
    // half-bar is left free here, which can only add transitions.
    auto drawnBefore = [&](Pitches following) {
        Pitches drawn = 0;
        for (int j = 1; j <= 13; ++j)
            for (int p = 1; p <= 10; ++p)
                if ((following & bit(p)) && !forbiddenPivot[static_cast<size_t>(pivotCell(j, p))])
                    drawn |= bit(pitchNumber(kColumns[j].pivot));
        return drawn;
    };

    // Half-bar 16 holds the final note.
    constexpr const char* finals[5] = {"", "do'", "SOL", "MI", "DO"};
    Pitches pivots[18] = {};
    for (int i = 1; i <= 4; ++i)
        if (finalDrawable[static_cast<size_t>(i)]) pivots[16] |= bit(pitchNumber(finals[i]));
    // Half-bar 15: drawn before the final note, or DO when the last bar is a whole note.
    pivots[15] = drawnBefore(pivots[16]) | bit(pitchNumber("DO"));
    // Earlier half-bars follow the next one, or the one after it when a whole
    // note's held half ("0") lies between.
    for (int i = 14; i >= 1; --i) pivots[i] = drawnBefore(pivots[i + 1] | pivots[i + 2]);

    // A linked half-bar j (never followed by "0") moves to the pivot of j + 1,
    // which is the following pivot its own pivot was drawn for.
    LinkRows rows{};
    for (int j = 1; j <= 15; ++j)
        for (int col = 1; col <= 13; ++col)
            for (int r = 1; r <= 10; ++r)
                if ((pivots[j + 1] & bit(r)) && !forbiddenPivot[static_cast<size_t>(pivotCell(col, r))])
                    rows[static_cast<size_t>(linkCaseOfPivotColumn(col))][static_cast<size_t>(r)] = true;
    return rows;
}

}  // namespace kelo
