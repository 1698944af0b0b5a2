#include <gtest/gtest.h>

#include "platform/cell_number.h"
#include "platform/runtime_error.h"

using namespace kelo;

TEST(CellNumber, ReadsDecimalTextOf16BitIntegers) {
    const std::pair<const char*, int> good[] = {
        {"0", 0}, {"16", 16}, {"-32768", -32768}, {"32767", 32767}, {"0160", 160}};
    for (const auto& [text, value] : good) EXPECT_EQ(val16(text), value) << text;
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(str16(-5), "-5");
}

TEST(CellNumber, RaisesTheErrorWhereTheTextOrTheResultDoesNotFit) {
    const std::pair<const char*, ErrorCode> bad[] = {
        {"", ErrorCode::TypeMismatch},         {"X", ErrorCode::TypeMismatch},       {"-", ErrorCode::TypeMismatch},
        {" 5", ErrorCode::TypeMismatch},       {"5 ", ErrorCode::TypeMismatch},      {"+5", ErrorCode::TypeMismatch},
        {"1.5", ErrorCode::TypeMismatch},      {"1e3", ErrorCode::TypeMismatch},     {"32768", ErrorCode::Overflow},
        {"-32769", ErrorCode::Overflow},       {"99999999999999999999", ErrorCode::Overflow},
    };
    for (const auto& [text, code] : bad) {
        try {
            val16(text);
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), code) << text;
        }
        EXPECT_FALSE(isNumber16(text)) << text;
    }
    EXPECT_THROW(add16(32767, 1), RuntimeError);
    EXPECT_THROW(sub16(-32768, 1), RuntimeError);
    EXPECT_THROW(mul16(200, 200), RuntimeError);
    EXPECT_THROW(str16(40000), RuntimeError);
}
