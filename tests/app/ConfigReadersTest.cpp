#include "engine/app/ConfigReaders.h"
#include "tests/support/PixelImage.h"

#include <gtest/gtest.h>

namespace {

const Color kWhite(255, 255, 255, 255);

TEST(ConfigReadersTest, ColourNeedsTheWordBracketsAndExactlyFourNumbers) {
    EXPECT_EQ(Color(255, 128, 0, 255), parseColor("Color(255,128,0,255)"));
    EXPECT_EQ(Color(1, 2, 3, 4), parseColor("Color( 1,  2,3 ,4 )")) << "blanks around numbers";
    EXPECT_EQ(kWhite, parseColor("Color(10,20,30)")) << "three numbers";
    EXPECT_EQ(kWhite, parseColor("Color(10,20,30,40,50)")) << "five numbers";
    EXPECT_EQ(kWhite, parseColor("Color(10,20,,40,50)"));
    EXPECT_EQ(Color(10, 0, 30, 40), parseColor("Color(10,,30,40)")) << "an empty piece is 0";
    EXPECT_EQ(kWhite, parseColor(""));
    EXPECT_EQ(kWhite, parseColor("(1,2,3,4)")) << "without the word";
    EXPECT_EQ(kWhite, parseColor("Color 1,2,3,4"));
    EXPECT_EQ(kWhite, parseColor("Color)1,2,3,4("));
    EXPECT_EQ(Color(44, 1, 2, 3), parseColor("Color(300,257,2,3)")) << "truncated to 8 bits";
    EXPECT_EQ(Color(7, 0, 0, 9), parseColor("Color(7,x,y,9)")) << "atoi stops at a non-digit";
}

TEST(ConfigReadersTest, RectangleFollowsTheSameRules) {
    EXPECT_EQ(WidgetRect(10, 20, 0, 200, 40), parseRect("Rect(10,20,200,40)"));
    EXPECT_EQ(WidgetRect(-5, 6, 0, 7, 8), parseRect("Rect( -5 , 6,7,8)"));
    EXPECT_EQ(WidgetRect(), parseRect("Rect(10,20,200)"));
    EXPECT_EQ(WidgetRect(), parseRect("Rect(1,2,3,4,5)"));
    EXPECT_EQ(WidgetRect(), parseRect("Color(1,2,3,4)"));
    EXPECT_EQ(WidgetRect(), parseRect(""));
}

TEST(ConfigReadersTest, BooleanIsTrueOnlyForThreeExactWords) {
    for (const char* yes : {"1", "true", "yes"}) {
        EXPECT_TRUE(parseBool(yes)) << yes;
    }
    for (const char* no : {"0", "True", "YES", "Yes", "TRUE", "", " yes", "yes ", "2", "on"}) {
        EXPECT_FALSE(parseBool(no)) << '"' << no << '"';
    }
}

} // namespace
