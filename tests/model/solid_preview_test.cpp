// The solid preview as data: each shape's transformation is the one OpenGL builds from the
// object's steps, groups pass theirs on, colours come from the nearest own texture, and
// deleted objects show nothing.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <random>

#include "model/groups/pov_csg.h"
#include "model/lights/pov_light.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"

namespace {

class SolidPreviewTest : public ModelTest {};

// what OpenGL makes of the steps, as the objects used to draw themselves
std::array<float, 16> GlMatrix(const std::vector<const CPovObject*>& chain) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (const CPovObject* o : chain) {
        const Vector& t = o->Translation();
        const Vector& r = o->RotationStep();
        const Vector& s = o->ScaleStep();
        glTranslatef(static_cast<float>(-t.X), static_cast<float>(t.Y), static_cast<float>(t.Z));
        glRotatef(static_cast<float>(r.Z), 0, 0, -1);
        glRotatef(static_cast<float>(r.Y), 0, -1, 0);
        glRotatef(static_cast<float>(-r.X), -1, 0, 0);
        glScalef(static_cast<float>(s.X), static_cast<float>(s.Y), static_cast<float>(s.Z));
    }
    std::array<float, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

void ExpectNear(const std::array<float, 16>& a, const std::array<float, 16>& b) {
    for (size_t i = 0; i < 16; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-3 * (1 + std::abs(b[i]))) << "element " << i;
}

TEST_F(SolidPreviewTest, TransformationsAreOpenGlsForRandomStepsAlsoInsideGroups) {
    GlTestCanvas canvas(8, 8);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> angle(-360, 360), place(-50, 50), size(0.1, 5);
    for (int round = 0; round < 40; ++round) {
        auto* group = new CPovCSG();
        auto* sphere = new CPovSphere();
        AppendChild(group, sphere);
        for (CPovObject* o : {static_cast<CPovObject*>(group), static_cast<CPovObject*>(sphere)}) {
            o->RotationStep() = Vector(angle(random), angle(random), angle(random));
            o->ScaleStep() = Vector(size(random), size(random), size(random));
            o->Translation() = Vector(place(random), place(random), place(random));
        }
        SolidPreview alone, grouped;
        sphere->DescribeSolid(alone, SolidTransform());
        group->DescribeSolid(grouped, SolidTransform());
        ASSERT_EQ(alone.items.size(), 1u);
        ASSERT_EQ(grouped.items.size(), 1u);
        EXPECT_EQ(alone.items[0].shape, SolidShape::Sphere);
        ExpectNear(alone.items[0].transform, GlMatrix({sphere}));
        ExpectNear(grouped.items[0].transform, GlMatrix({group, sphere}));
        delete group;
    }
}

TEST_F(SolidPreviewTest, ColoursDeletionsAndLights) {
    CPovCSG group;
    group.QuickColorR = 0.25;
    group.UseOwnTexture = 1;
    auto* box = new CPovCubic();
    box->QuickColorR = 0.75;  // no texture of its own: the group's colour shows
    auto* torus = new CPovTorus();
    torus->QuickColorR = 0.5;
    torus->UseOwnTexture = 1;
    AppendChild(&group, box);
    AppendChild(&group, torus);
    SolidPreview preview;
    group.DescribeSolid(preview, SolidTransform());
    ASSERT_EQ(preview.items.size(), 2u);
    EXPECT_FLOAT_EQ(preview.items[0].colour[0], 0.25f);
    EXPECT_EQ(preview.items[1].shape, SolidShape::Torus);
    EXPECT_FLOAT_EQ(preview.items[1].colour[0], 0.5f);
    EXPECT_FLOAT_EQ(preview.items[1].param, static_cast<float>(torus->MinorRadius()));

    torus->SetPresent(false);
    SolidPreview without;
    group.DescribeSolid(without, SolidTransform());
    EXPECT_EQ(without.items.size(), 1u);
    group.SetPresent(false);
    SolidPreview none;
    group.DescribeSolid(none, SolidTransform());
    EXPECT_TRUE(none.items.empty());

    CPovLight light;
    light.SetPosition(Vector(1, 2, 3));
    light.LightColor = 0x0000FF;  // red
    SolidLight described;
    ASSERT_TRUE(light.DescribeLight(described));
    EXPECT_EQ(described.position, (std::array<float, 4>{-1, 2, 3, 1}));
    EXPECT_EQ(described.diffuse, (std::array<float, 4>{1, 0, 0, 1}));
    EXPECT_FALSE(group.DescribeLight(described));
    light.SetPresent(false);
    EXPECT_FALSE(light.DescribeLight(described));
}

}  // namespace
