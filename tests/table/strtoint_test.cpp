#include "table/services.h"
#include "table/strtoint.h"

#include <gtest/gtest.h>

#include <climits>

using namespace stud;

TEST(StrToInt, AcceptsSignedDecimalOnly) {
    EXPECT_EQ(strToInt("5000"), 5000);
    EXPECT_EQ(strToInt("-4"), -4);
    EXPECT_EQ(strToInt("+12"), 12);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "12a", " 12", "12 ", "0x10", "2147483648", "-2147483649",
                            "99999999999999999999"}) {
        std::int32_t v = 0;
        EXPECT_FALSE(tryStrToInt(bad, v)) << bad;
        EXPECT_THROW(strToInt(bad), StudError) << bad;
    }
    try {
        strToInt("abc");
    } catch (const StudError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}
