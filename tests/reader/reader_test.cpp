// What the reader builds from scene text: settings and view values from the markers, the
// fields of every kind, groups and their members, and the sound behaviour where the text
// would otherwise lose or corrupt data.
#include <gtest/gtest.h>

#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_sphere.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "tests/reader/reader_support.h"

namespace {

class ReaderTest : public ModelTest {};

// ---------------------------------------------------------------------------------------------
// header

TEST_F(ReaderTest, MarkersSetTheSettingsAndViewValuesOfAnEmptyScene) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "//$author:$ J\xf6rg M\xfcller-Stra\xdf"
                                   "e \r\n"
                                   "//$company:$ ACME\r\n"
                                   "//$comment:$first\r\n"
                                   "//$comment:$second\r\n"
                                   "//$zoom front:$ 12.9000\r\n"
                                   "//$zoom right:$ -3.7000\r\n"
                                   "//$zoom top:$ 1e3\r\n"
                                   "//$grid front:$ 0.2500\r\n"
                                   "//$grid right:$ 2\r\n"
                                   "//$grid top:$ -1.5\r\n"
                                   "//$usepov3$ do not delete this line\r\n"
                                   "#include \"colors.inc\"\r\n"
                                   "//$user_inc begin$\r\n"
                                   "#include \"my.inc\"\r\n"
                                   "#include \"other.inc\"\r\n"
                                   "//$user_inc end$\r\n"
                                   "\r\n//$showinfos$\r\n");
    EXPECT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    EXPECT_EQ(doc.Author(),
              "J\xf6rg M\xfcller-Stra\xdf"
              "e ");
    EXPECT_EQ(doc.Company(), "ACME");
    EXPECT_EQ(doc.Comment(), "first\r\nsecond");
    EXPECT_EQ(doc.ZoomFront, 12);
    EXPECT_EQ(doc.ZoomRight, -3);
    EXPECT_EQ(doc.ZoomTop, 1000);
    EXPECT_EQ(doc.GridFront, 0.25);
    EXPECT_EQ(doc.GridRight, 2.0);
    EXPECT_EQ(doc.GridTop, -1.5);
    EXPECT_EQ(doc.Pov3(), 1);
    EXPECT_TRUE(doc.ShowInfos());
    EXPECT_EQ(doc.UserIncludes(), (std::vector<std::string>{"my.inc", "other.inc"}));
    EXPECT_EQ(doc.Objects, nullptr);
    EXPECT_EQ(doc.Textures, nullptr);
    EXPECT_EQ(r.objects, 0);
}

TEST_F(ReaderTest, CommentsWithEmptyLinesAndTrailingBreaksComeBackWhole) {
    for (const std::string comment :
         {"", "one", "a\r\n\r\nb", "\r\nb", "a\r\n", "\r\n", "a\r\n\r\n", "x\r\ny\r\n"}) {
        ResetModelGlobals();
        COrvantaDoc original;
        original.Comment() = comment;
        const std::string text = Write(original);
        COrvantaDoc doc;
        Read(doc, text);
        EXPECT_EQ(doc.Comment(), comment);
        EXPECT_EQ(Write(doc), text);
    }
}

TEST_F(ReaderTest, HugeZoomValuesAreHeldAtTheIntegerRange) {
    COrvantaDoc doc;
    Read(doc, "//$zoom front:$ 1e300\r\n//$zoom top:$ -1e300\r\n");
    EXPECT_EQ(doc.ZoomFront, 2147483647);
    EXPECT_EQ(doc.ZoomTop, -2147483647 - 1);
}

// ---------------------------------------------------------------------------------------------
// objects

TEST_F(ReaderTest, ABoxTakesItsNameStepsQuickColourAndTexture) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare Kiste = box {\r\n"
                                   "  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n"
                                   "  scale <2,3,4>\r\n"
                                   "  //$quickcolor:$ <0.2500 0.5000 0.7500> \r\n"
                                   "  texture\r\n  {\r\n    Jade\r\n"
                                   "    scale <1.0000,2.0000,3.0000>\r\n"
                                   "    rotate <0.0000,45.0000,0.0000>\r\n"
                                   "    translate <1e-3,0.0000,-2>\r\n  }\r\n"
                                   "  rotate <10.0000,20.0000,30.0000>\r\n"
                                   "  translate <-1.5000,2.5000,3.5000>\r\n"
                                   "  hollow\r\n"
                                   "}\r\n\r\nobject {\r\n  Kiste\r\n}\r\n\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    ASSERT_EQ(Count(doc.Objects), 1);
    CPovObject* box = doc.Objects;
    EXPECT_EQ(box->GetType(), kKindCubic);
    EXPECT_EQ(box->Name, "Kiste");
    EXPECT_EQ(box->ScaleStep().X, 2.0);
    EXPECT_EQ(box->ScaleStep().Z, 4.0);
    EXPECT_EQ(box->RotationStep().Y, 20.0);
    EXPECT_EQ(box->Translation().X, -1.5);
    EXPECT_EQ(box->QuickColorG, 0.5);
    EXPECT_EQ(box->UseOwnTexture, 1);
    EXPECT_EQ(box->WriteTextureSteps, 1);
    EXPECT_EQ(box->TextureName, "Jade");
    EXPECT_EQ(box->TextureSteps[kStepScale].Z, 3.0);
    EXPECT_EQ(box->TextureSteps[kStepTranslate].X, 0.001);
    EXPECT_EQ(box->Hollow, 1);
    EXPECT_EQ(doc.CurrentObject, box);
    // geometry is built
    EXPECT_GT(box->MaxY - box->MinY, 0.0);
}

TEST_F(ReaderTest, TextureReferencesKeepTheirStepsOnlyWhenWritten) {
    COrvantaDoc doc;
    Read(doc,
         "#declare T = texture {\r\n\tpigment {\r\n\t\tcolor rgb < 1 0 0 > filter 0.0\r\n\t}\r\n"
         "  scale <1,1,1>\r\n  rotate <0,0,0>\r\n  translate <0,0,0>\r\n}\r\n\r\n"
         "#declare A = box { <0,0,0> <1,1,1> texture { T } }\r\n"
         "#declare B = box { <0,0,0> <1,1,1> texture { T scale <2,2,2> } }\r\n"
         "#declare C = box { <0,0,0> <1,1,1> texture { Unknown } }\r\n"
         "#declare D = box { <0,0,0> <1,1,1> texture { Water } }\r\n");
    EXPECT_EQ(Find(doc.Objects, "A")->WriteTextureSteps, 0);
    EXPECT_EQ(Find(doc.Objects, "B")->WriteTextureSteps, 1);
    EXPECT_EQ(Find(doc.Objects, "B")->TextureSteps[kStepScale].X, 2.0);
    EXPECT_EQ(Find(doc.Objects, "C")->WriteTextureSteps, 0);
    EXPECT_EQ(Find(doc.Objects, "D")->WriteTextureSteps, 1);
}

TEST_F(ReaderTest, ParametersOfAnotherKindAreDroppedAndReported) {
    COrvantaDoc doc;
    const SceneReadResult r =
        Read(doc, "#declare B = box { <0,0,0> <1,1,1> strength 5 water_level 3 look_at <1,2,3> }");
    EXPECT_EQ(ProblemText(r.problems),
              "1: Not read: \"strength\" in a box\n"
              "1: Not read: \"water_level\" in a box\n"
              "1: Not read: \"look_at\" in a box\n");
    ASSERT_EQ(Count(doc.Objects), 1);
    EXPECT_EQ(doc.Objects->Translation().X, 0.5);
}

TEST_F(ReaderTest, AnInlineTextureBecomesATextureOfTheScene) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(
        doc, "sphere { <0,0,0>, 1 texture { pigment { color rgb <1,0,0> } finish { phong 1 } } }");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    ASSERT_NE(doc.Objects, nullptr);
    ASSERT_NE(doc.Textures, nullptr);
    auto* texture = static_cast<CPovTexture*>(doc.Textures);
    EXPECT_EQ(doc.Objects->TextureName, texture->Name);
    EXPECT_EQ(doc.Objects->UseOwnTexture, 1);
    EXPECT_EQ(texture->Colors[0], 0x0000FFu);
    EXPECT_EQ(texture->HasPhong, 1);
}

// ---------------------------------------------------------------------------------------------
// colours

TEST_F(ReaderTest, ColoursReadBackByRoundingSoSavingAgainKeepsThem) {
    COrvantaDoc doc;
    Read(doc,
         "#declare P = \tpigment {\r\n\t\tcolor rgb < 0.498 0.498 0.498 > filter 0.5\r\n"
         "  scale <1,1,1>\r\n  rotate <0,0,0>\r\n  translate <0,0,0>\r\n}\r\n"
         "background {  color rgb <0.5020,0.0000,1.0000> }\r\n");
    auto* pigment = static_cast<CPovPigment*>(doc.Pigments);
    ASSERT_NE(pigment, nullptr);
    EXPECT_EQ(pigment->Colors[0], 0x7F7F7Fu);
    EXPECT_EQ(pigment->Filters[0], 0.5);
    EXPECT_EQ(pigment->ColorCount, 1);
    ASSERT_NE(doc.Background, nullptr);
    EXPECT_EQ(static_cast<CPovBackground*>(doc.Background)->BackgroundColor, 0xFF0080u);
}

TEST_F(ReaderTest, EveryByteValueSurvivesWritingAndReading) {
    COrvantaDoc original;
    LoadingScene = true;
    for (unsigned b = 0; b < 256; b += 1) {
        auto* pigment = new CPovPigment();
        pigment->Colors[0] = b | ((255 - b) << 8) | (b / 2 << 16);
        original.InsertPigment(pigment);
    }
    LoadingScene = false;
    const std::string text = Write(original);
    COrvantaDoc doc;
    Read(doc, text);
    EXPECT_EQ(Write(doc), text);
    EXPECT_EQ(Comparable(doc)["pigments"], Comparable(original)["pigments"]);
}

TEST_F(ReaderTest, OutOfRangeColourComponentsAreHeldAtTheByteRange) {
    COrvantaDoc doc;
    Read(doc, "background { color rgb <2,-1,0.5> }");
    EXPECT_EQ(static_cast<CPovBackground*>(doc.Background)->BackgroundColor, 0x8000FFu);
}

// ---------------------------------------------------------------------------------------------
// tables that hold a fixed number of entries

TEST_F(ReaderTest, ATwentyFirstPolygonPointIsDroppedWithAWarning) {
    std::string text = "#declare P = polygon {\r\n  21.0\r\n";
    for (int i = 0; i < 21; ++i)
        text += orv::Format("  <%d.0,1.0>%s\r\n", i, i < 20 ? " , " : "");
    text += "}\r\n";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, text);
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_NE(r.problems[0].message.find("20 points"), std::string::npos);
    EXPECT_EQ(r.problems[0].line, 23);
    auto* polygon = static_cast<CPovPolygon*>(doc.Objects);
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->PointCount, 20);
    EXPECT_EQ(polygon->Points[19].X, 19.0);
}

TEST_F(ReaderTest, FullColourPigmentAndHaloTablesDropTheRestWithWarnings) {
    std::string text = "#declare P = pigment { gradient y color_map {\r\n";
    for (int i = 0; i < 11; ++i)
        text += "[ 0.5 color rgb < 1 1 1 > filter 0.0]\r\n";
    text +=
        "} }\r\n#declare Q = pigment { marble pigment_map { [0.1 A] [0.2 B] [0.3 C] [0.4 D] } "
        "}\r\n";
    text += "#declare T = texture { pigment { color rgb <1,1,1> }";
    for (int i = 0; i < 7; ++i)
        text += " halo { H" + std::to_string(i) + " }";
    text += " }\r\n#declare H = halo { emitting color_map {";
    for (int i = 0; i < 7; ++i)
        text += " [ 0.5 color rgbft < 1 1 1 0 1 > ]";
    text += " } }\r\n";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, text);
    ASSERT_EQ(r.problems.size(), 4u) << ProblemText(r.problems);
    auto* p = static_cast<CPovPigment*>(Find(doc.Pigments, "P"));
    EXPECT_EQ(p->ColorCount, 10);
    EXPECT_EQ(p->PigmentKind, kPigmentColorMap);
    EXPECT_EQ(p->PatternName.Str(), "gradient y");
    auto* q = static_cast<CPovPigment*>(Find(doc.Pigments, "Q"));
    EXPECT_EQ(q->MapPigments[2], "C");
    EXPECT_EQ(q->PigmentKind, kPigmentPigmentMap);
    auto* t = static_cast<CPovTexture*>(doc.Textures);
    EXPECT_EQ(t->HaloCount, 6);
    EXPECT_EQ(t->HaloNames[5], "H5");
    auto* h = static_cast<CPovHalo*>(doc.Halos);
    EXPECT_EQ(h->HaloColorCount, 6);
    EXPECT_EQ(h->HaloType, "emitting");
}

// ---------------------------------------------------------------------------------------------
// groups

TEST_F(ReaderTest, ReferencesMoveTopLevelObjectsIntoTheGroupOnceInReferenceOrder) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare X = sphere { <0,0,0>,1 }\r\n"
                                   "#declare Y = box { <0,0,0> <1,1,1> }\r\n"
                                   "#declare U = union {\r\n"
                                   "\tobject { Y }\r\n\tobject { X }\r\n\tobject { X }\r\n"
                                   "\tobject { Nowhere }\r\n\tobject { U }\r\n"
                                   "  scale <1,1,1>\r\n}\r\n"
                                   "object {\r\n  U\r\n}\r\n");
    // a second reference, an unknown name and the group itself are reported
    ASSERT_EQ(r.problems.size(), 3u) << ProblemText(r.problems);
    EXPECT_EQ(r.problems[0].line, 6);
    EXPECT_EQ(r.problems[1].message,
              "Not read: object { Nowhere } in a union: the scene has no object Nowhere at its "
              "top level (an object is in one group only)");
    EXPECT_EQ(r.problems[2].line, 8);
    ASSERT_EQ(Count(doc.Objects), 1);
    CPovObject* u = doc.Objects;
    EXPECT_EQ(u->GetType(), kKindCSG);
    EXPECT_EQ(static_cast<CPovCSG*>(u)->Operation, "union");
    ASSERT_EQ(u->ChildCount(), 2);
    EXPECT_EQ(u->FirstChild->Name, "Y");
    EXPECT_EQ(u->FirstChild->NextSibling->Name, "X");
    EXPECT_EQ(u->FirstChild->Parent, u);
    EXPECT_EQ(u->FirstChild->NextSibling->PrevSibling, u->FirstChild);
}

TEST_F(ReaderTest, TheFirstObjectInListOrderWinsAReference) {
    COrvantaDoc doc;
    Read(doc,
         "#declare X = sphere { <0,0,0>,1 }\r\n"
         "#declare X = box { <0,0,0> <1,1,1> }\r\n"
         "#declare U = difference { object { X } object { X } }\r\n");
    // the newer X (the box) is first in the list while reading, then the older one
    CPovObject* u = Find(doc.Objects, "U");
    ASSERT_NE(u, nullptr);
    ASSERT_EQ(u->ChildCount(), 2);
    EXPECT_EQ(u->FirstChild->GetType(), kKindCubic);
    EXPECT_EQ(u->FirstChild->NextSibling->GetType(), kKindSphere);
}

TEST_F(ReaderTest, ObjectsOfTheOpenSceneCanBeReferencedWhenLoading) {
    COrvantaDoc doc;
    Read(doc, "#declare Old = box { <0,0,0> <1,1,1> }\r\n");
    ReadSceneText(doc, "#declare U = merge { object { Old } }\r\n", false);
    ASSERT_EQ(Count(doc.Objects), 1);
    EXPECT_EQ(doc.Objects->FirstChild->Name, "Old");
}

TEST_F(ReaderTest, AGroupsDefaultNamePassesOverTheNamesOfPresentTopLevelObjects) {
    COrvantaDoc doc;
    Read(doc,
         "#declare CSG_000 = sphere { <0,0,0>,1 }\r\n"
         "#declare CSG_002 = box { <0,0,0> <1,1,1> }\r\n"
         // made while CSG_000 and CSG_002 are top-level: CSG_001, the counter goes to 2
         "#declare U = union { object { CSG_002 } }\r\n"
         // CSG_002 is inside U now and no longer counts: the counter goes to 3
         "#declare V = union { object { U } }\r\n");
    EXPECT_EQ(g_NameCounters.CSG, 3);

    // loading into the open scene also passes over the names that were there before
    COrvantaDoc open;
    Read(open, "#declare CSG_003 = box { <0,0,0> <1,1,1> }\r\n");
    g_NameCounters.CSG = 3;
    ReadSceneText(open, "#declare W = merge { object { CSG_003 } }\r\n", false);
    EXPECT_EQ(g_NameCounters.CSG, 5);
    ASSERT_EQ(Count(open.Objects), 1);
    EXPECT_EQ(open.Objects->FirstChild->Name, "CSG_003");
}

TEST_F(ReaderTest, TrianglesOfAMeshExportDropDegenerateOnesAndStayNewestFirst) {
    COrvantaDoc doc;
    const SceneReadResult r =
        Read(doc,
             "//$predefined_object$ do not delete this line\r\n"
             "#declare Mesh = union {\r\n"
             "  triangle { <0,0,0>, <1,0,0>, <0,1,0> }\r\n"
             "  triangle { <0,0,0>, <0,0,0>, <0,1,0> texture { Jade } }\r\n"
             "  smooth_triangle { <0,0,0>,<0,0,1>, <2,0,0>,<0,0,1>, <0,2,0>,<0,0,1> }\r\n"
             "  triangle { <0,0,0>, <3,0,0>, <0,3,0> texture { Water } }\r\n"
             "}\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    ASSERT_EQ(Count(doc.Objects), 1);
    CPovObject* mesh = doc.Objects;
    EXPECT_EQ(mesh->GetType(), kKindUserObject);
    EXPECT_EQ(mesh->Name, "Mesh");
    ASSERT_EQ(mesh->ChildCount(), 3);
    auto* newest = static_cast<CPovPolygon*>(mesh->FirstChild);
    EXPECT_EQ(newest->TriangleCorner(1).X, 3.0);
    // the triangle's own texture goes to the triangle, not to the group
    EXPECT_EQ(newest->TextureName, "Water");
    EXPECT_EQ(mesh->TextureName, "");
    auto* smooth = static_cast<CPovPolygon*>(newest->NextSibling);
    EXPECT_STREQ(smooth->GetClassName(), "CPovSmoothTriangle");
    EXPECT_EQ(smooth->TriangleNormal(2).Z, 1.0);
    EXPECT_EQ(static_cast<CPovPolygon*>(mesh->LastChild())->TriangleCorner(1).X, 1.0);
    EXPECT_EQ(r.objects, 5);  // four triangles counted as they started, and the group
}

TEST_F(ReaderTest, BlobComponentsAreReadInsideTheBlob) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "\r\n#declare B = blob {\r\n"
                                   "  threshold 0.6000\r\n"
                                   "//$declare$ S1 \r\n"
                                   "sphere {\r\n  <0.0,0.0,0.0>,1.0 strength 2.5000\r\n"
                                   "  scale <2,2,2>\r\n  rotate <0,0,0>\r\n  translate <1,0,0>\r\n"
                                   "}\r\n\r\n"
                                   "//$declare$ C1 \r\n"
                                   "cylinder {\r\n  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0 strength "
                                   "-1.0000\r\n  scale <1,1,1>\r\n}\r\n\r\n"
                                   "  scale <1,1,1>\r\n  rotate <0,0,0>\r\n  translate <0,5,0>\r\n"
                                   "}\r\n\r\nobject {\r\n  B\r\n}\r\n\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    ASSERT_EQ(Count(doc.Objects), 1);
    auto* blob = static_cast<CPovBlob*>(doc.Objects);
    EXPECT_EQ(blob->GetType(), kKindBlob);
    EXPECT_EQ(blob->Threshold, 0.6);
    EXPECT_EQ(blob->Translation().Y, 5.0);
    ASSERT_EQ(blob->ChildCount(), 2);
    auto* sphere = static_cast<CPovSphere*>(blob->FirstChild);
    EXPECT_EQ(sphere->Name, "S1");
    EXPECT_EQ(sphere->Strength, 2.5);
    EXPECT_EQ(sphere->ScaleStep().X, 2.0);
    EXPECT_EQ(blob->FirstChild->NextSibling->Name, "C1");
}

// ---------------------------------------------------------------------------------------------
// lights, camera, environment

TEST_F(ReaderTest, LightsAreBuiltOfTheKindTheirTextNames) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare L = light_source {\r\n"
                                   "  <1.0000,2.0000,3.0000> color rgb <1.0000,0.5020,0.0000>\r\n"
                                   "}\r\n\r\n"
                                   "#declare S = light_source {\r\n"
                                   "  <0,4,0> color rgb <1,1,1>\r\n  spotlight\r\n"
                                   "  point_at <1,0,0>\r\n  radius 5\r\n  falloff 8\r\n"
                                   "  tightness 3\r\n}\r\n"
                                   "#declare C = light_source {\r\n"
                                   "  <0,4,0> color rgb <0,0,1>\r\n  cylinder\r\n"
                                   "  point_at <0,0,2>\r\n  radius 1\r\n}\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    auto* point = dynamic_cast<CPovLight*>(Find(doc.Objects, "L"));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->LightColor, 0x0080FFu);
    EXPECT_EQ(point->Translation().Z, 3.0);
    auto* spot = dynamic_cast<CPovLightSourceSpot*>(Find(doc.Objects, "S"));
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->Radius, 5.0);
    EXPECT_EQ(spot->Falloff, 8.0);
    EXPECT_EQ(spot->Tightness, 3.0);
    EXPECT_EQ(spot->FirstChild->Translation().X, 1.0);
    auto* cylinder = dynamic_cast<CPovLightSourceCylinder*>(Find(doc.Objects, "C"));
    ASSERT_NE(cylinder, nullptr);
    EXPECT_EQ(cylinder->LightColor, 0xFF0000u);
    EXPECT_EQ(cylinder->Falloff, 20.0);
}

TEST_F(ReaderTest, EveryCameraStatementBuildsACameraAndTheLastIsTheScenesCamera) {
    COrvantaDoc doc;
    Read(doc,
         "camera {\r\n  location <0,0,-4>\r\n  look_at <0,0,0>\r\n}\r\n"
         "camera {\r\n  look_at <1,2,3>\r\n  location <0,1,-8>\r\n}\r\n");
    ASSERT_EQ(Count(doc.Objects), 2);
    ASSERT_NE(doc.Camera, nullptr);
    EXPECT_EQ(doc.Camera, Nth(doc.Objects, 1));
    EXPECT_EQ(doc.Camera->Translation().Z, -8.0);
    EXPECT_EQ(doc.Camera->FirstChild->Translation().Y, 2.0);
    EXPECT_EQ(doc.CameraChanged, 1);
}

TEST_F(ReaderTest, SkySphereBackgroundAndFog) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "sky_sphere { pigment { P1 }\r\n\tpigment { P2 }\r\n}\r\n"
                                   "#declare N = fog { \r\n  fog_type Ground_Fog\r\n"
                                   "  distance 12.0000\r\n"
                                   "  color rgb < 0.000 1.000 0.000 > filter 0.3\r\n"
                                   "  fog_offset 1.0000\r\n  fog_alt 2.0000\r\n"
                                   "  turbulence < 0.100 0.200 0.300 >\r\n  octaves 3.0 \r\n"
                                   "  omega 0.250 \r\n  lambda 1.500 \r\n"
                                   "  up <0.0000,0.0000,1.0000>\r\n  scale <2,2,2>\r\n}\r\n\r\n"
                                   "fog { \r\n  N\r\n}\r\n\r\n"
                                   "#declare W = fog { fog_type Funny_Fog }\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    auto* sky = static_cast<CPovSkySphere*>(doc.SkySphere);
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->SkyPigment, "P1");
    EXPECT_EQ(sky->SkyPigment2, "P2");
    auto* fog = static_cast<CPovFog*>(Find(doc.Objects, "N"));
    ASSERT_NE(fog, nullptr);
    EXPECT_EQ(fog->FogType, "Ground_Fog");
    EXPECT_EQ(fog->Distance, 12.0);
    EXPECT_EQ(fog->FogColor, 0x00FF00u);
    EXPECT_EQ(fog->FogFilter, 0.3);
    EXPECT_EQ(fog->FogTurbulenceOn, 1);
    EXPECT_EQ(fog->FogTurbulence[2], 0.3);
    EXPECT_EQ(fog->FogOctaves, 3.0);
    EXPECT_EQ(fog->Steps[kStepTranslate].Z, 1.0);
    EXPECT_EQ(fog->ScaleStep().X, 2.0);
    EXPECT_EQ(static_cast<CPovFog*>(Find(doc.Objects, "W"))->FogType, "Uniform_Fog");

    COrvantaDoc predefined;
    Read(predefined, "sky_sphere { \tS_Cloud3\r\n}\r\n");
    EXPECT_EQ(static_cast<CPovSkySphere*>(predefined.SkySphere)->SkyPigment, "S_Cloud3");
}

// ---------------------------------------------------------------------------------------------
// shapes

TEST_F(ReaderTest, TextObjectsReadWithEmptyFontAndAnyWritableText) {
    for (const std::string text : {"", "A", "a.b,c", "1.0", "Hello World"}) {
        ResetModelGlobals();
        COrvantaDoc original;
        auto* ttf = new CPovTTF();
        ttf->SetText(text);
        ttf->Thickness = 0.5;
        ttf->Spacing = 0.25;
        original.InsertObject(ttf);
        const std::string written = Write(original);
        COrvantaDoc doc;
        const SceneReadResult r = Read(doc, written);
        EXPECT_TRUE(r.problems.empty()) << text << ": " << ProblemText(r.problems);
        auto* read = dynamic_cast<CPovTTF*>(doc.Objects);
        ASSERT_NE(read, nullptr) << text;
        EXPECT_EQ(read->Text, text);
        EXPECT_EQ(read->FontFile, "");
        EXPECT_EQ(read->Thickness, 0.5);
        EXPECT_EQ(read->Spacing, 0.25);
        EXPECT_EQ(Write(doc), written);
    }
}

TEST_F(ReaderTest, LatheAndHeightField) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare L = lathe {\r\n  cubic_spline\r\n  3.0\r\n"
                                   "  <0.0000,0.0000> , \r\n  <1.0000,0.5000> , \r\n"
                                   "  <0.0000,1.0000>\r\n  scale <1,1,1>\r\n}\r\n"
                                   "#declare H = height_field {\r\n tga \"map.TGA\"\r\n"
                                   "  smooth\r\n  water_level 0.2500\r\n}\r\n"
                                   "#declare G = height_field { png \"a.b.png\" }\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    auto* lathe = static_cast<CPovLathe*>(Find(doc.Objects, "L"));
    ASSERT_NE(lathe, nullptr);
    EXPECT_EQ(lathe->SplineType, "cubic_spline");
    EXPECT_EQ(lathe->PointCount, 3);
    EXPECT_EQ(lathe->Points[1].X, 1.0);
    auto* field = static_cast<CPovHeightField*>(Find(doc.Objects, "H"));
    EXPECT_EQ(field->ImageFile, "map.TGA");
    EXPECT_EQ(field->Smooth, 1);
    EXPECT_EQ(field->WaterLevel(), 0.25);
    EXPECT_EQ(static_cast<CPovHeightField*>(Find(doc.Objects, "G"))->ImageFile, "a.b.png");
}

// ---------------------------------------------------------------------------------------------
// list order, progress

TEST_F(ReaderTest, OpeningRestoresTheSavedOrderAndLoadingPutsNewObjectsFirst) {
    const char text[] =
        "#declare P1 = pigment { color rgb <1,0,0> }\r\n"
        "#declare P2 = pigment { color rgb <0,1,0> }\r\n"
        "#declare T1 = texture { pigment { P1 } }\r\n"
        "#declare T2 = texture { pigment { P2 } }\r\n"
        "#declare A = box { <0,0,0> <1,1,1> }\r\n"
        "#declare B = box { <0,0,0> <1,1,1> }\r\n";
    COrvantaDoc opened;
    ReadSceneText(opened, text, true);
    EXPECT_EQ(opened.Objects->Name, "A");
    EXPECT_EQ(opened.Pigments->Name, "P1");
    EXPECT_EQ(opened.Textures->Name, "T1");
    COrvantaDoc loaded;
    ReadSceneText(loaded, text, false);
    EXPECT_EQ(loaded.Objects->Name, "B");
    EXPECT_EQ(loaded.Pigments->Name, "P2");
}

TEST_F(ReaderTest, ProgressShowsEachObjectAndEachMove) {
    COrvantaDoc doc;
    std::vector<std::string> status;
    ReadSceneText(doc,
                  "#declare A = box { <0,0,0> <1,1,1> }\r\n"
                  "#declare U = union { object { A } }\r\n",
                  true, [&](const std::string& s) { status.push_back(s); });
    EXPECT_EQ(status, (std::vector<std::string>{"Lade Objekt 1, Name: A", "Verschiebe A",
                                                "Lade Objekt 2, Name: U"}));
}

}  // namespace

namespace {

TEST_F(ReaderTest, AHandWrittenPovRayFileReadsWithoutTheModellersMarkers) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#version 3.7;\n"
                                   "#include \"colors.inc\"\n"
                                   "camera {\n  location <0, 2, -3>\n  look_at <0, 1, 2>\n"
                                   "  angle 45\n  right <-1.33, 0, 0>\n}\n"
                                   "light_source { <2, 4, -3> color White shadowless }\n"
                                   "sphere {\n  <0, 1, 2>, 2\n"
                                   "  pigment { color rgb <1, 0.5, 0> }\n"
                                   "  finish { phong 1 ambient 0.2 }\n  scale 2\n}\n"
                                   "plane { y, -1 pigment { checker color White color Black } }\n");
    // what the modeller does not keep is named with its line
    EXPECT_EQ(ProblemText(r.problems),
              "6: Not read: \"angle\" in a camera\n"
              "7: Not read: \"right\" in a camera\n"
              "9: Not read: \"shadowless\" in a light_source\n");
    ASSERT_NE(doc.Camera, nullptr);
    EXPECT_EQ(doc.Camera->Translation().Y, 2.0);
    ASSERT_EQ(Count(doc.Objects), 4);
    // the sphere of radius 2 at <0,1,2>, scaled by 2 afterwards
    CPovObject* sphere = Nth(doc.Objects, 2);
    EXPECT_EQ(sphere->GetType(), kKindSphere);
    EXPECT_EQ(sphere->ScaleStep(), Vector(4, 4, 4));
    EXPECT_EQ(sphere->Translation(), Vector(0, 2, 4));
    // the plane y = -1
    EXPECT_EQ(Nth(doc.Objects, 3)->Translation(), Vector(0, -1, 0));
    ASSERT_NE(doc.Textures, nullptr);
    auto* texture = static_cast<CPovTexture*>(doc.Textures);
    EXPECT_EQ(sphere->TextureName, texture->Name);
    EXPECT_EQ(texture->HasPigment, 1);
    EXPECT_EQ(texture->Colors[0], 0x0080FFu);
    EXPECT_EQ(texture->HasPhong, 1);
    EXPECT_EQ(texture->HasAmbient, 1);
    EXPECT_EQ(texture->AmbientColor, 0x333333u);
    auto* light = dynamic_cast<CPovLight*>(Nth(doc.Objects, 1));
    ASSERT_NE(light, nullptr);
    EXPECT_EQ(light->LightColor, 0xFFFFFFu);
}

}  // namespace

namespace {

TEST_F(ReaderTest, PartsOfAPredefinedObjectGetTheirPlaceWithItOrAlone) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#ifdef (ORVANTA_INVOKED)\r\n"
                                   "#declare T1 = triangle { <0,0,0>,<1,0,0>,  <0,1,0> }\r\n"
                                   "#declare Loose = box { <0,0,0> <1,1,1> translate <5,0,0> }\r\n"
                                   "#end\r\n"
                                   "//$predefined_object$ do not delete this line\r\n"
                                   "#declare O = union { object { T1 } translate <0,0,2> }\r\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    CPovObject* group = Find(doc.Objects, "O");
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->ChildCount(), 1);
    // the member is placed inside its group
    EXPECT_EQ(group->FirstChild->MinZ, 2.0);
    EXPECT_EQ(group->MinZ, 2.0);
    // a part no object took is placed as a top-level object
    CPovObject* loose = Find(doc.Objects, "Loose");
    ASSERT_NE(loose, nullptr);
    EXPECT_EQ(loose->MinX, 5.0);
}

}  // namespace
