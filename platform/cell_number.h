#pragma once
// Numbers live in cells as decimal text of a 16-bit signed integer. These helpers
// convert at each use and keep the arithmetic in 16 bits, raising the run-time
// error on bad text or overflow exactly where the program would have stopped.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelo {

// Strict: optional '-', then digits; no blanks, no '+'. Raises TypeMismatch or Overflow.
int16_t val16(std::string_view text);
// True when val16 would succeed; used by validators that must not raise.
bool isNumber16(std::string_view text);
std::string str16(int value);  // raises Overflow outside the 16-bit range
// A number as the program writes one into a record: plain decimal digits, with no
// sign, blank or leading zero, up to 32767; nothing for any other text.
std::optional<int> plainNumber(std::string_view text);
// That number when it lies in lo..hi; 0 for any other text.
int plainNumberIn(std::string_view text, int lo, int hi);

int16_t add16(int a, int b);
int16_t sub16(int a, int b);
int16_t mul16(int a, int b);
int16_t check16(long long v);

// The counters of the developer runs and of the variants are decimal text too,
// but they count on past 32767 (a run at 50 ms gets there in half an hour).
// Same syntax as val16; raises TypeMismatch or, past 64 bits, Overflow.
int64_t valCount(std::string_view text);

}  // namespace kelo
