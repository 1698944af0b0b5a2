#include <gtest/gtest.h>

#include "platform/cell_number.h"
#include "platform/runtime_error.h"

using namespace kelo;

TEST(CellNumber, ReadsDecimalTextOf16BitIntegers) {
    EXPECT_EQ(val16("0"), 0);
    EXPECT_EQ(val16("16"), 16);
    EXPECT_EQ(val16("-32768"), -32768);
    EXPECT_EQ(val16("32767"), 32767);
    EXPECT_EQ(val16("0160"), 160);
}

TEST(CellNumber, RaisesTypeMismatchOnTextThatIsNoNumber) {
    for (const char* bad : {"", "X", "-", " 5", "5 ", "+5", "1.5", "DO+", "1e3"}) {
        try {
            val16(bad);
            FAIL() << "accepted \"" << bad << "\"";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::TypeMismatch) << bad;
        }
        EXPECT_FALSE(isNumber16(bad)) << bad;
    }
}

TEST(CellNumber, RaisesOverflowOutside16Bits) {
    for (const char* big : {"32768", "-32769", "99999999999999999999"}) {
        try {
            val16(big);
            FAIL() << "accepted " << big;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), ErrorCode::Overflow) << big;
        }
    }
    EXPECT_THROW(add16(32767, 1), RuntimeError);
    EXPECT_THROW(sub16(-32768, 1), RuntimeError);
    EXPECT_THROW(mul16(200, 200), RuntimeError);
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_THROW(str16(40000), RuntimeError);
    EXPECT_EQ(str16(-5), "-5");
}
