#include "ui/Errors.h"
#include "ui/Numbers.h"
#include <gtest/gtest.h>

using namespace ui;

TEST(Numbers, RoundsHalfToEvenAndRaisesOverflow) {
    struct Case { double in; int out; };
    for (Case c : {Case{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {1.4999, 1}, {0.5, 0}, {1.5, 2},
                   {32767.4, 32767}, {-32768.5, -32768}}) {
        EXPECT_EQ(CInt(c.in), c.out) << c.in;
    }
    EXPECT_THROW(CInt(32767.5), OverflowError);   // rounds to 32768
    EXPECT_THROW(CInt(-32769), OverflowError);
    EXPECT_THROW(CInt(std::nan("")), OverflowError);
    EXPECT_EQ(CLng(2147483647.4), 2147483647);
    EXPECT_THROW(CLng(2147483647.5), OverflowError);
}

TEST(Numbers, SixteenBitArithmeticRaisesInsteadOfWrapping) {
    EXPECT_EQ(Add16(32766, 1), 32767);
    EXPECT_THROW(Add16(32767, 1), OverflowError);
    EXPECT_THROW(Sub16(-32768, 1), OverflowError);
    EXPECT_THROW(Mul16(2185, 15), OverflowError);  // 32775
    EXPECT_EQ(Mul16(2184, 15), 32760);
    EXPECT_THROW(Mul32(50000, 50000), OverflowError);
}

TEST(Numbers, TextToNumberAcceptsOnlyNumbers) {
    struct Case { const char* text; double value; };
    for (Case c : {Case{"12", 12}, {" 40 ", 40}, {"1.5", 1.5}, {"-3", -3}, {"+7", 7}, {"1e2", 100}, {"&H10", 16}}) {
        EXPECT_DOUBLE_EQ(TextToNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    }
    for (const char* bad : {"", " ", "abc", "1,2", "12px", "0x10", "nan", "inf", "１２"}) {
        EXPECT_THROW(TextToNumber(QString::fromUtf8(bad)), TypeMismatchError) << bad;
    }
    EXPECT_EQ(CIntText(" 2.5"), 2);
    EXPECT_THROW(CIntText("40000"), OverflowError);
}
