// CSG groups, blobs and predefined objects: their text, their children's placement, selection,
// drawing and copies.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/groups/pov_user_object.h"
#include "model/name_counters.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_sphere.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

const std::string kUnitTail =
    "  scale <1.0000,1.0000,1.0000>\r\n"
    "  rotate <0.0000,0.0000,0.0000>\r\n"
    "  translate <0.0000,0.0000,0.0000>\r\n"
    "}\r\n\r\n";

std::string Instance(const std::string& name) {
    return "object {\r\n  " + name + "\r\n}\r\n\r\n";
}

std::string BoxDeclaration(const std::string& name) {
    return "#declare " + name + " = box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n" + kUnitTail;
}

std::string SphereDeclaration(const std::string& name) {
    return "#declare " + name + " = sphere {\r\n  <0.0,0.0,0.0>,1.0\r\n" + kUnitTail;
}

std::string Text(CPovObject& object) {
    SceneText out;
    EXPECT_EQ(object.WriteScene(out), 1);
    return out.Text();
}

class GroupsTest : public ModelTest {
  protected:
    FakeSceneHost host;
    void SetUp() override {
        ModelTest::SetUp();
        CurrentDocument = &host;
    }
};

TEST_F(GroupsTest, UnionDeclaresItsMembersLastFirstAndRefersToThemInOrder) {
    CPovCSG group;
    auto* a = new CPovCubic();
    auto* b = new CPovSphere();
    AppendChild(&group, a);
    AppendChild(&group, b);
    EXPECT_EQ(Text(group), SphereDeclaration("Kugel_000") + BoxDeclaration("Quader_000") +
                               "\r\n#declare CSG_000 = union {\r\n"
                               "\tobject { Quader_000 }\r\n"
                               "\tobject { Kugel_000 }\r\n" +
                               kUnitTail + Instance("CSG_000"));
    // the list is as it was
    EXPECT_EQ(group.FirstChild, a);
    EXPECT_EQ(a->NextSibling, b);
    EXPECT_EQ(b->PrevSibling, a);
    EXPECT_EQ(b->NextSibling, nullptr);
}

TEST_F(GroupsTest, DeletedMembersAreNeitherDeclaredNorReferenced) {
    CPovCSG group;
    group.Operation = "difference";
    auto* a = new CPovCubic();
    auto* b = new CPovCubic();
    auto* c = new CPovCubic();
    AppendChild(&group, a);
    AppendChild(&group, b);
    AppendChild(&group, c);
    b->SetPresent(false);
    EXPECT_EQ(Text(group), BoxDeclaration("Quader_002") + BoxDeclaration("Quader_000") +
                               "\r\n#declare CSG_000 = difference {\r\n"
                               "\tobject { Quader_000 }\r\n"
                               "\tobject { Quader_002 }\r\n" +
                               kUnitTail + Instance("CSG_000"));
}

TEST_F(GroupsTest, NestedGroupIsDeclaredInsideWithoutAnInstance) {
    CPovCSG outer;
    auto* inner = new CPovCSG();
    inner->Operation = "intersection";
    inner->Hollow = 1;  // groups write no hollow line
    AppendChild(&outer, inner);
    AppendChild(inner, new CPovCubic());
    EXPECT_EQ(Text(outer), BoxDeclaration("Quader_000") +
                               "\r\n#declare CSG_001 = intersection {\r\n"
                               "\tobject { Quader_000 }\r\n" +
                               kUnitTail +
                               "\r\n#declare CSG_000 = union {\r\n"
                               "\tobject { CSG_001 }\r\n" +
                               kUnitTail + Instance("CSG_000"));
}

TEST_F(GroupsTest, BlobWritesItsComponentsInlineWithTheirStrength) {
    CPovBlob blob;
    blob.Hollow = 1;
    auto* sphere = new CPovSphere();
    sphere->Hollow = 1;  // a blob component takes no hollow keyword
    auto* cylinder = new CPovCylinder();
    cylinder->ScaleStep() = Vector(0.5, 2, 0.5);
    AppendChild(&blob, sphere);
    AppendChild(&blob, cylinder);
    EXPECT_EQ(Text(blob),
              "\r\n#declare Blob_000 = blob {\r\n"
              "  threshold 1.0000\r\n"
              "//$declare$ Kugel_000 \r\n"
              "sphere {\r\n"
              "  <0.0,0.0,0.0>,1.0 strength 10.0000\r\n" +
                  kUnitTail +
                  "//$declare$ Zylinder_000 \r\n"
                  "cylinder {\r\n"
                  "  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0 strength 1.0000\r\n"
                  "  scale <0.5000,2.0000,0.5000>\r\n"
                  "  rotate <0.0000,0.0000,0.0000>\r\n"
                  "  translate <0.0000,0.0000,0.0000>\r\n"
                  "}\r\n\r\n" +
                  kUnitTail + Instance("Blob_000"));
    EXPECT_EQ(Text(blob).find("hollow"), std::string::npos);

    // outside the blob the same sphere is declared again
    auto* loose = new CPovSphere();
    loose->Strength = 3;
    CPovCSG group;
    AppendChild(&group, loose);
    EXPECT_EQ(Text(*loose), SphereDeclaration("Kugel_001"));
}

TEST_F(GroupsTest, PredefinedObjectGuardsItsParts) {
    CPovUserObject object;
    object.UseOwnTexture = 1;
    object.TextureName = "Gold";
    object.WriteTextureSteps = 0;
    auto* part = new CPovCubic();
    auto* gone = new CPovCubic();
    AppendChild(&object, part);
    AppendChild(&object, gone);
    gone->SetPresent(false);
    EXPECT_EQ(Text(object), "#ifdef (ORVANTA_INVOKED)\r\n" + BoxDeclaration("Quader_000") +
                                "#end\r\n"
                                "\r\n//$predefined_object$ do not delete this line\r\n"
                                "\r\n#declare objekt_000 = union {\r\n"
                                "\tobject { Quader_000 }\r\n"
                                "  scale <1.0000,1.0000,1.0000>\r\n"
                                "  //$quickcolor:$ <1.0000 1.0000 1.0000> \r\n"
                                "  texture\r\n  {\r\n    Gold\r\n  }\r\n"
                                "  rotate <0.0000,0.0000,0.0000>\r\n"
                                "  translate <0.0000,0.0000,0.0000>\r\n"
                                "}\r\n\r\n" +
                                Instance("objekt_000"));
}

TEST_F(GroupsTest, BlobGivesTheCsgNumberBackAndPredefinedObjectsKeepIt) {
    {
        CPovBlob blob;
        EXPECT_EQ(blob.Name, "Blob_000");
        EXPECT_EQ(blob.Operation, "blob");
        EXPECT_EQ(blob.Threshold, 1.0);
        EXPECT_EQ(blob.GetType(), 21);
    }
    EXPECT_EQ(g_NameCounters.CSG, 0);
    EXPECT_EQ(g_NameCounters.Blob, 1);
    {
        CPovUserObject object;
        EXPECT_EQ(object.Name, "objekt_000");
        EXPECT_EQ(object.Operation, "union");
        EXPECT_EQ(object.GetType(), 19);
    }
    EXPECT_EQ(g_NameCounters.CSG, 1);
    EXPECT_EQ(g_NameCounters.UserObject, 1);
    CPovCSG group;
    EXPECT_EQ(group.Name, "CSG_001");
    EXPECT_EQ(group.GetType(), 11);
}

TEST_F(GroupsTest, MembersAreInWorldCoordinatesUnderARotatedScaledGroup) {
    CPovCSG group;
    group.ScaleStep() = Vector(2, 2, 2);
    group.RotationStep() = Vector(0, 0, 90);  // x turns onto y
    group.Translation() = Vector(5, 0, 0);
    auto* box = new CPovCubic();
    box->Translation() = Vector(1, 0, 0);
    auto* sphere = new CPovSphere();
    sphere->Translation() = Vector(0, 0, 3);
    AppendChild(&group, box);
    AppendChild(&group, sphere);
    group.UpdateGeometry();

    // the box's centre (1, 0, 0) becomes (2, 0, 0), then (0, 2, 0), then (5, 2, 0)
    for (const Point3& p : box->Outline) {
        EXPECT_NEAR(std::abs(p.X - 5), 1.0, 1e-9);
        EXPECT_NEAR(std::abs(p.Y - 2), 1.0, 1e-9);
        EXPECT_NEAR(std::abs(p.Z), 1.0, 1e-9);
    }
    EXPECT_NEAR(sphere->MinZ, 4.0, 1e-9);
    EXPECT_NEAR(sphere->MaxZ, 8.0, 1e-9);
    // the group's box holds both members
    EXPECT_NEAR(group.MinX, 3.0, 1e-9);
    EXPECT_NEAR(group.MaxX, 7.0, 1e-9);
    EXPECT_NEAR(group.MinY, -2.0, 1e-9);
    EXPECT_NEAR(group.MaxY, 3.0, 1e-9);
    EXPECT_NEAR(group.MinZ, -1.0, 1e-9);
    EXPECT_NEAR(group.MaxZ, 8.0, 1e-9);
    EXPECT_TRUE(group.Outline.empty());

    // moving the group moves its members
    FakeViewPort front(kFrontView);
    group.Selected = 1;
    group.MoveBy(0, 10, front);
    EXPECT_NEAR(box->MinY, 11.0, 1e-9);
    EXPECT_NEAR(group.MaxY, 13.0, 1e-9);
}

TEST_F(GroupsTest, NestedGroupsStackTheirTransformsOnce) {
    CPovCSG outer;
    outer.Translation() = Vector(10, 0, 0);
    outer.ScaleStep() = Vector(3, 3, 3);
    auto* inner = new CPovCSG();
    inner->Translation() = Vector(0, 5, 0);
    auto* box = new CPovCubic();
    AppendChild(&outer, inner);
    AppendChild(inner, box);
    outer.UpdateGeometry();
    // the inner group's own matrix holds only its own steps
    EXPECT_EQ(inner->ModelMatrix.m[0][3], 0.0);
    EXPECT_EQ(inner->ModelMatrix.m[1][3], 5.0);
    EXPECT_NEAR(box->MinX, 8.5, 1e-9);
    EXPECT_NEAR(box->MaxX, 11.5, 1e-9);
    EXPECT_NEAR(box->MinY, 13.5, 1e-9);
    EXPECT_NEAR(outer.MaxY, 16.5, 1e-9);
    // asking again gives the same answer
    inner->GetMatrix();
    box->UpdateGeometry();
    EXPECT_NEAR(box->MinX, 8.5, 1e-9);

    // a group without members keeps the box it had
    CPovCSG empty;
    empty.MinX = 7;
    empty.UpdateGeometry();
    EXPECT_EQ(empty.MinX, 7.0);
}

TEST_F(GroupsTest, SelectingAGroupSelectsAndDrawsItsMembersSelected) {
    auto* group = new CPovCSG();
    std::unique_ptr<CPovObject> owner(group);
    group->SetDocument(&host);
    auto* a = new CPovCubic();
    auto* b = new CPovCubic();
    b->Translation() = Vector(3, 0, 0);
    AppendChild(group, a);
    AppendChild(group, b);
    group->SetDocument(&host);
    group->UpdateGeometry();

    FakeViewPort front(kFrontView, 10);
    front.horzOrigin = -10;
    front.vertOrigin = -10;
    front.windowHeight = 220;
    RecordingDeviceContext dc;
    group->Draw(front, &dc, -10, -10, 200, 200, 10);
    EXPECT_EQ(dc.Count(Kind::Polyline), 12u);
    for (const auto& p : dc.primitives)
        EXPECT_EQ(p.pen, Pen::Text);
    // an unselected group is not hit; a click picks the member
    EXPECT_FALSE(group->HitTest(front, {100, 100}));
    EXPECT_TRUE(a->HitTest(front, {100, 100}));

    group->Select(front);
    EXPECT_EQ(host.CurrentObject, group);
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_TRUE(group->HitTest(front, {130, 100}));
    EXPECT_FALSE(group->HitTest(front, {115, 100}));  // between the members

    b->Selected = 0;  // drawing a selected group draws every member selected
    dc.primitives.clear();
    group->Draw(front, &dc, -10, -10, 200, 200, 10);
    for (const auto& p : dc.primitives)
        if (p.kind == Kind::Polyline) {
            EXPECT_EQ(p.pen, Pen::Selection);
        }
    EXPECT_TRUE(b->IsSelected());
    // each member draws its own frame; the group draws none
    EXPECT_EQ(dc.Count(Kind::FocusRect), 2u);

    group->Deselect(front);
    EXPECT_EQ(host.CurrentObject, nullptr);
    EXPECT_FALSE(group->IsSelected());
    EXPECT_FALSE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected());

    // a group inside a selected group does not become the current object
    auto* inner = new CPovCSG();
    AppendChild(group, inner);
    inner->SetDocument(&host);
    group->Select(front);
    EXPECT_TRUE(inner->IsSelected());
    EXPECT_EQ(host.CurrentObject, group);

    // a deleted group draws nothing and cannot be selected
    group->Deselect(front);
    group->SetPresent(false);
    dc.primitives.clear();
    group->Draw(front, &dc, -10, -10, 200, 200, 10);
    EXPECT_TRUE(dc.primitives.empty());
    group->Select(front);
    EXPECT_FALSE(group->IsSelected());
}

TEST_F(GroupsTest, CameraProjectionReachesTheMembers) {
    CPovCSG group;
    auto* box = new CPovCubic();
    AppendChild(&group, box);
    group.UpdateGeometry();
    group.ProjectForCamera(Vector(0, 0, 10), Vector(), Vector(), Vector());
    EXPECT_EQ(box->Projected.size(), 8u);
    EXPECT_EQ(group.ProjectionStale, 0);
    EXPECT_EQ(box->ProjectionStale, 0);
    EXPECT_TRUE(group.Projected.empty());
}

TEST_F(GroupsTest, CloneCopiesTheMembersAsNewObjects) {
    CPovCSG group;
    group.Operation = "difference";
    group.Translation() = Vector(1, 0, 0);
    auto* box = new CPovCubic();
    box->Translation() = Vector(1, 2, 3);
    box->UseOwnTexture = 1;
    box->TextureName = "Stein";
    auto* sphere = new CPovSphere();
    sphere->Strength = 3;
    AppendChild(&group, box);
    AppendChild(&group, sphere);

    std::unique_ptr<CPovObject> copy(group.Clone());
    auto* g = dynamic_cast<CPovCSG*>(copy.get());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Name, "CSG_001");
    EXPECT_EQ(g->Operation, "difference");
    EXPECT_EQ(g->Translation(), Vector(1, 0, 0));
    ASSERT_EQ(g->ChildCount(), 2);
    auto* boxCopy = dynamic_cast<CPovCubic*>(g->FirstChild);
    auto* sphereCopy = dynamic_cast<CPovSphere*>(g->FirstChild->NextSibling);
    ASSERT_NE(boxCopy, nullptr);
    ASSERT_NE(sphereCopy, nullptr);
    EXPECT_NE(boxCopy, box);
    EXPECT_EQ(boxCopy->Name, "Quader_001");
    EXPECT_EQ(sphereCopy->Name, "Kugel_001");
    EXPECT_EQ(boxCopy->Parent, g);
    EXPECT_EQ(sphereCopy->Parent, g);
    EXPECT_EQ(sphereCopy->PrevSibling, boxCopy);
    EXPECT_EQ(boxCopy->Translation(), Vector(1, 2, 3));
    EXPECT_EQ(boxCopy->TextureName, "Stein");
    EXPECT_EQ(sphereCopy->Strength, 3.0);
    EXPECT_EQ(box->Parent, &group);
    EXPECT_EQ(group.ChildCount(), 2);

    // the copy stands on its own
    g->UpdateGeometry();
    EXPECT_NEAR(boxCopy->MinX, 1.5, 1e-9);
    const std::string text = Text(*g);
    EXPECT_NE(text.find("difference {\r\n\tobject { Quader_001 }\r\n\tobject { Kugel_001 }\r\n"),
              std::string::npos);

    CPovBlob blob;
    blob.Threshold = 0.25;
    AppendChild(&blob, new CPovSphere());
    const long csg = g_NameCounters.CSG;
    std::unique_ptr<CPovObject> blobCopy(blob.Clone());
    EXPECT_EQ(g_NameCounters.CSG, csg);
    EXPECT_EQ(dynamic_cast<CPovBlob&>(*blobCopy).Threshold, 0.25);
    EXPECT_EQ(blobCopy->FirstChild->GetType(), kKindSphere);
    EXPECT_EQ(blobCopy->FirstChild->Parent, blobCopy.get());

    CPovUserObject object;
    object.Operation = "merge";
    std::unique_ptr<CPovObject> objectCopy(object.Clone());
    EXPECT_EQ(dynamic_cast<CPovUserObject&>(*objectCopy).Operation, "merge");
    EXPECT_EQ(objectCopy->Name, "objekt_001");
}

TEST_F(GroupsTest, GroupsEditWithTheirOwnCaptions) {
    ScopedEditorHost editor;
    CPovCSG group;
    CPovBlob blob;
    CPovUserObject object;
    group.EditProperties();
    blob.EditProperties();
    object.EditProperties();
    EXPECT_EQ(editor.captions, (std::vector<std::string>{"Eigenschaften CSG", "Eigenschaften Blob",
                                                         "Eigenschaften vordefiniertes Objekt"}));
}

TEST_F(GroupsTest, OpenGlDrawsMembersInsideTheGroupTransform) {
    constexpr int kWidth = 160, kHeight = 120;
    GlTestCanvas canvas(kWidth, kHeight);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    canvas.SetUpDefaultCamera();
    FakeViewPort camera(kCameraView, 1);
    camera.useOpenGL = true;
    CPovCSG group;
    group.Translation() = Vector(-4, 0, 0);
    auto* sphere = new CPovSphere();
    sphere->ScaleStep() = Vector(2, 2, 2);
    AppendChild(&group, sphere);
    group.UpdateGeometry();
    group.Draw(camera, nullptr, 0, 0, kWidth, kHeight, 1);
    // the matrix stack is back where it was
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    canvas.Capture();
    const double pixelsPerUnit = kHeight / (2 * 20 * std::tan(22.5 * std::numbers::pi / 180));
    const int offset = static_cast<int>(4 * pixelsPerUnit);
    auto lit = [&](int x, int y) {
        const Rgba c = canvas.At(x, y);
        return c.r > 64 || c.g > 64 || c.b > 64;
    };
    // POV-Ray's -x is to the left of a camera looking along +z
    EXPECT_TRUE(lit(kWidth / 2 - offset, kHeight / 2));
    EXPECT_FALSE(lit(kWidth / 2 + offset, kHeight / 2));
    EXPECT_FALSE(lit(kWidth / 2, kHeight / 2));
}

}  // namespace
