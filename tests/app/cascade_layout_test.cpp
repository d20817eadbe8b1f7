// Where cascading puts the windows, for many counts and area sizes.
#include <gtest/gtest.h>

#include "app/cascade_layout.h"

namespace {

TEST(CascadeLayout, WindowsStayInsideUsefulAndEachTitleShows) {
    for (int count = 1; count <= 12; ++count) {
        for (int w : {300, 640, 1198, 1900}) {
            for (int h : {200, 480, 855}) {
                const std::vector<WindowRect> rects = CascadeRects(count, w, h, 26);
                ASSERT_EQ(rects.size(), static_cast<size_t>(count));
                for (size_t i = 0; i < rects.size(); ++i) {
                    const WindowRect& r = rects[i];
                    EXPECT_GE(r.x, 0);
                    EXPECT_GE(r.y, 0);
                    EXPECT_LE(r.x + r.width, w) << count << " " << w << "x" << h;
                    EXPECT_LE(r.y + r.height, h) << count << " " << w << "x" << h;
                    // a useful size: half the area, or a small view's size when the area is
                    // small
                    EXPECT_GE(r.width, std::min(w, std::max(w / 2, 320)));
                    EXPECT_GE(r.height, std::min(h, std::max(h / 2, 240)));
                    // the windows that follow each other differ by a title bar, or start over
                    if (i > 0 && r.y > 0) {
                        EXPECT_EQ(r.y - rects[i - 1].y, 26);
                    }
                }
            }
        }
    }
    EXPECT_TRUE(CascadeRects(0, 800, 600, 26).empty());
}

}  // namespace
