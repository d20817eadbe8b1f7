// A resize never makes a scale component zero or turns it over, with or without rotation;
// a component mirrored in the file stays mirrored.
#include <gtest/gtest.h>

#include <random>

#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/model_test.h"

namespace {

class ResizeLimitTest : public ModelTest {};

TEST_F(ResizeLimitTest, ScaleComponentsKeepTheirSignThroughAnyDrag) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> step(-3, 3), angle(-180, 180);
    for (int kind : {kTopView, kFrontView, kSideView}) {
        FakeViewPort view(kind);
        for (int round = 0; round < 50; ++round) {
            CPovCubic box;
            box.ScaleStep() = Vector(1, 0.8, -0.3);  // z mirrored, as a file may have it
            box.RotationStep() = round % 2 ? Vector(angle(random), angle(random), 0) : Vector();
            box.Select(view);
            for (int i = 0; i < 40; ++i) {
                box.ResizeBy(step(random), step(random), view);
                const Vector& s = box.ScaleStep();
                ASSERT_GT(s.X, 0.0) << kind << " " << round;
                ASSERT_GT(s.Y, 0.0) << kind << " " << round;
                ASSERT_LT(s.Z, 0.0) << kind << " " << round;
            }
        }
    }
}

}  // namespace
