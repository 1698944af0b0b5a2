#pragma once
// Numbers and switches of cells, read and written without temporary strings:
// a composition touches a few thousand cells.
#include <charconv>
#include <cstdint>

#include "model/colours.h"
#include "platform/cell_number.h"
#include "platform/controls.h"

namespace kelo {

inline int16_t number(const Label& cell) { return val16(cell.Caption); }

// Writes a 16-bit number as decimal text; outside 16 bits it is the overflow error.
inline void setNumber(Label& cell, int value) {
    char buf[8];
    auto res = std::to_chars(buf, buf + sizeof buf, check16(value));
    cell.Caption.assign(buf, res.ptr);
}

// A counter that never overflows: it reads and writes more than 16 bits.
inline int64_t counterOf(const Label& cell) { return valCount(cell.Caption); }
inline void stepCounter(Label& cell) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, counterOf(cell) + 1);
    cell.Caption.assign(buf, res.ptr);
}

inline bool isOn(const Label& cell) { return cell.BackColor == ColoreAcceso; }
// A switch label pressed: on goes off, anything else goes on.
inline void toggle(Label& cell) { cell.BackColor = isOn(cell) ? ColoreSpento : ColoreAcceso; }

}  // namespace kelo
