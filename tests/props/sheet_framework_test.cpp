// The sheet framework: numbers as users type them, refusals with their messages and the page
// they keep the user on, names, and the sphere's sheet from end to end.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/creation_commands.h"
#include "model/groups/pov_blob.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "props/pages/name_field.h"
#include "props/pov_reference.h"
#include "tests/props/props_fixture.h"

namespace {

TEST(NumberText, ReadsWhatUsersTypeInEitherLocaleAndNothingElse) {
    struct Case {
        char separator;
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {'.', "1.5", 1.5},  {'.', " -2 ", -2.0}, {'.', "+3", 3.0},   {'.', "1e3", 1000.0},
        {'.', "1,5", {}},   {',', "1,5", 1.5},   {',', "1.5", 1.5},  {',', "-0,25", -0.25},
        {',', "1,5,0", {}}, {'.', "", {}},       {'.', "abc", {}},   {'.', "inf", {}},
        {'.', "nan", {}},   {'.', "1.2.3", {}},  {'.', "12abc", {}}, {'.', "1e999", {}},
    };
    for (const Case& c : cases) {
        SetDecimalSeparator(c.separator);
        EXPECT_EQ(ParseNumber(c.text), c.value) << c.separator << " " << c.text;
    }
    SetDecimalSeparator(',');
    EXPECT_EQ(FormatNumber(1.5), "1,5");
    EXPECT_EQ(FormatNumber(-0.0000001), "0");
    SetDecimalSeparator('.');
    EXPECT_EQ(FormatNumber(1000.0), "1000");
    EXPECT_EQ(FormatNumber(0.3), "0.3");
    EXPECT_EQ(NumberRangeMessage(-180, 180),
              "Geben Sie bitte eine Zahl zwischen -180 und 180 ein.");
}

TEST(ObjectNames, FollowPovRayIdentifiers) {
    for (const char* good : {"Kugel_000", "_x", "a1", "Rotationskoerper000", "Sphere2"})
        EXPECT_FALSE(NameProblem(good)) << good;
    for (const char* bad :
         {"", "1abc", "Kugel 1", "K\xC3\xBCgel", "a-b", "sphere", "union", "declare", "x", "halo"})
        EXPECT_TRUE(NameProblem(bad)) << bad;
}

TEST(PovRayReference, PointsAtTheKeywordsSectionLocallyOrOnline) {
    SetPovRayReferenceFolder("/nonexistent");
    EXPECT_EQ(PovRayReferenceUrl("Sphere"),
              "https://www.povray.org/documentation/3.7.0/r3_4.html#r3_4_5_1_12");
    EXPECT_EQ(PovRayReferenceUrl("Kein Stichwort"),
              "https://www.povray.org/documentation/3.7.0/index.html");
    const std::string folder = ::testing::TempDir() + "/povdoc";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/r3_4.html") << "<html/>";
    SetPovRayReferenceFolder(folder);
    EXPECT_EQ(PovRayReferenceUrl("Sky Sphere"), "file://" + folder + "/r3_4.html#r3_4_3_4");
    SetPovRayReferenceFolder("");
}

class SphereSheetTest : public PropsTest {};

TEST_F(SphereSheetTest, NameAndPositionChangeTheSceneAndOkMarksModified) {
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    doc.SetModifiedFlag(false);
    const int result = Edit(*sphere, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Eigenschaften Kugel");
        EXPECT_EQ(r.Page().Title(), "Allgemein");
        EXPECT_EQ(r.Field("name").text, "Kugel_000");
        EXPECT_TRUE(r.Type("name", "Ball"));
        EXPECT_TRUE(r.Type("pos.x", "2.5"));
        EXPECT_TRUE(r.ShowPage("Drehung"));
        EXPECT_TRUE(r.Type("angle.y", "45"));
        return OkOrCancel(r);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(host.captions, std::vector<std::string>{"Eigenschaften Kugel"});
    EXPECT_EQ(sphere->Name, "Ball");
    EXPECT_EQ(sphere->Translation().X, 2.5);
    EXPECT_EQ(sphere->RotationStep().Y, 45.0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(Scene().find("#declare Ball = sphere"), std::string::npos);
    EXPECT_NE(Scene().find("  rotate <0.0000,45.0000,0.0000>\r\n  translate <2.5000,"),
              std::string::npos);
}

TEST_F(SphereSheetTest, CancelWritesNothing) {
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    doc.SetModifiedFlag(false);
    const std::string before = Scene();
    EXPECT_EQ(Edit(*sphere,
                   [](SheetRunner& r) {
                       r.Type("name", "Ball");
                       r.Type("size.x", "3");
                       r.Cancel();
                       return 2;
                   }),
              2);
    EXPECT_EQ(Scene(), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(SphereSheetTest, RangesAndNamesAreEnforcedWithTheirMessagesOnTheirPage) {
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    doc.OnCreate(CreateKind::Box);
    Edit(*sphere, [](SheetRunner& r) {
        // size z above 1000 is refused; x is not limited
        r.Type("size.z", "1000.5");
        r.Type("size.x", "5000");
        EXPECT_FALSE(r.ShowPage("Drehung"));
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.Refused()->fieldId, "size.z");
        EXPECT_EQ(r.Refused()->message, "Geben Sie bitte eine Zahl zwischen 0 und 1000 ein.");
        r.Type("size.z", "1000");
        // an angle out of range keeps the user on the rotation page, also when OK is pressed
        EXPECT_TRUE(r.ShowPage("Drehung"));
        r.Type("angle.x", "181");
        EXPECT_FALSE(r.ShowPage("Allgemein"));
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.Refused()->page, 1u);
        r.Type("angle.x", "zehn");
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.Refused()->message, "Geben Sie bitte eine Zahl ein.");
        r.Type("angle.x", "-180");
        EXPECT_TRUE(r.ShowPage("Allgemein"));
        // a name that is no identifier is refused, one that is taken only warned about
        r.Type("name", "2 Kugeln");
        EXPECT_FALSE(r.Ok());
        EXPECT_EQ(r.Refused()->fieldId, "name");
        r.Type("name", "Quader_000");
        EXPECT_TRUE(r.Field("name.note").visible);
        r.Type("name", "Kugel_neu");
        EXPECT_FALSE(r.Field("name.note").visible);
        r.Type("name", "Quader_000");
        return OkOrCancel(r);
    });
    EXPECT_EQ(sphere->Name, "Quader_000");
    EXPECT_EQ(sphere->ScaleStep(), Vector(5000, 1, 1000));
    EXPECT_EQ(sphere->RotationStep().X, -180.0);
}

TEST_F(SphereSheetTest, StrengthOnlyForBlobComponents) {
    auto* blob = static_cast<CPovBlob*>(doc.OnCreate(CreateKind::Blob));
    CPovObject* top = doc.OnCreate(CreateKind::Sphere);
    auto* inBlob = new CPovSphere();
    AppendChild(blob, inBlob);
    inBlob->SetDocument(&doc);
    Edit(*top, [](SheetRunner& r) {
        EXPECT_FALSE(r.Field("strength").visible);
        return OkOrCancel(r);
    });
    Edit(*inBlob, [](SheetRunner& r) {
        EXPECT_TRUE(r.Field("strength").visible);
        EXPECT_EQ(r.Field("strength").text, "10");
        r.Type("strength", "2,5");
        EXPECT_FALSE(r.Ok());
        r.Type("strength", "2.5");
        return OkOrCancel(r);
    });
    EXPECT_EQ(inBlob->Strength, 2.5);
}

TEST_F(SphereSheetTest, ACommaReadsAsTheDecimalSeparatorInAGermanLocale) {
    SetDecimalSeparator(',');
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    Edit(*sphere, [](SheetRunner& r) {
        r.Type("pos.y", "1,5");
        return OkOrCancel(r);
    });
    EXPECT_EQ(sphere->Translation().Y, 1.5);
    EXPECT_NE(Scene().find("translate <0.0000,1.5000,0.0000>"), std::string::npos);
}

TEST_F(SphereSheetTest, TorusMinorRadiusRoundTrip) {
    auto* torus = static_cast<CPovTorus*>(doc.OnCreate(CreateKind::Torus));
    torus->Steps[kStepExtra].X = 0.3;
    Edit(*torus, [](SheetRunner& r) {
        EXPECT_EQ(r.Field("minor").text, "0.3");
        return OkOrCancel(r);
    });
    EXPECT_EQ(torus->MinorRadius(), 0.3);
    Edit(*torus, [](SheetRunner& r) {
        r.Type("minor", "1.1");
        EXPECT_FALSE(r.Ok());
        r.Type("minor", "0.25");
        return OkOrCancel(r);
    });
    EXPECT_EQ(torus->MinorRadius(), 0.25);
}

TEST_F(SphereSheetTest, InstantRotationStaysAfterCancel) {
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    doc.SetModifiedFlag(false);
    Edit(*sphere, [&](SheetRunner& r) {
        r.ShowPage("Drehung");
        r.Slide("slider.x", 30);
        EXPECT_EQ(r.Field("angle.x").text, "30");
        EXPECT_EQ(sphere->RotationStep().X, 0.0);  // not yet: instant apply is off
        r.Check("instant", true);
        r.Slide("slider.x", 40);
        EXPECT_EQ(sphere->RotationStep().X, 40.0);
        EXPECT_TRUE(doc.IsModified());
        // typing moves the slider but turns nothing until OK
        r.Type("angle.z", "12.7");
        EXPECT_EQ(r.Field("slider.z").value, 12);
        r.Cancel();
        return 2;
    });
    EXPECT_EQ(sphere->RotationStep(), Vector(40, 0, 0));
}

}  // namespace
