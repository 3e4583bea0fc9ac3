#include "ui/twips.h"

#include <gtest/gtest.h>

// The offscreen screen reports 96 DPI: fifteen twips make a pixel.
TEST(Twips, FifteenTwipsMakeAPixelAtNinetySixDpi)
{
    EXPECT_EQ(twipsToPixels(1440), 96);
    EXPECT_EQ(twipsToPixels(2805), 187);
    EXPECT_EQ(twipsRect(120, 2880, 1215, 375), QRect(8, 192, 81, 25));
}
