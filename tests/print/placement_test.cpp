// Millimetres to device pixels: the factor is truncated before it multiplies.

#include "print/canvas.h"
#include "print/recordingcanvas.h"

#include <gtest/gtest.h>

TEST(Placement, TruncatesThePixelsPerMillimetreAndRefusesDevicesWithoutArea)
{
    const RecordingCanvas a4; // 4960 x 7016 px over 210 x 297 mm
    const auto p = Placement::of(a4);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->factorX, 23);   // 23.6 truncated
    EXPECT_EQ(p->x(100), 2300);
    EXPECT_EQ(p->factorY, 23);   // 23.62 truncated
    EXPECT_EQ(p->y(10), 230);

    const RecordingCanvas stretched(4960, 14032, 210, 297); // 23 across, 47 down
    EXPECT_EQ(Placement::of(stretched)->y(2), 94);

    EXPECT_FALSE(Placement::of(RecordingCanvas(4960, 7016, 0, 297)));
    EXPECT_FALSE(Placement::of(RecordingCanvas(100, 7016, 210, 297))); // under a pixel per millimetre
}
