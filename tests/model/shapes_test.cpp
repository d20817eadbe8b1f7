// Polygons, triangles, lathes and 3-D text: their tables, outlines, drawing and scene text.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_smooth_triangle.h"
#include "model/shapes/pov_triangle.h"
#include "model/shapes/pov_ttf.h"
#include "platform/fake/fake_font_outlines.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "platform/fake/recording_prompts.h"
#include "platform/fake/scripted_editor_host.h"
#include "resources/string_table.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

const char* const kIdentitySteps =
    "  scale <1.0000,1.0000,1.0000>\r\n"
    "  rotate <0.0000,0.0000,0.0000>\r\n"
    "  translate <0.0000,0.0000,0.0000>\r\n";

std::string Written(CPovObject& o) {
    SceneText out;
    EXPECT_EQ(o.WriteScene(out), 1);
    return out.Text();
}

// Records the fields an object reports, by name.
class RecordingSink : public FieldSink {
  public:
    void Number(std::string_view name, double value) override {
        numbers[std::string(name)] = value;
    }
    void Integer(std::string_view name, long long value) override {
        integers[std::string(name)] = value;
    }
    void Text(std::string_view name, std::string_view value) override {
        texts[std::string(name)] = std::string(value);
    }
    void Numbers(std::string_view name, const double* values, size_t count,
                 size_t stride) override {
        arrays[std::string(name)] = {std::vector<double>(values, values + count), stride};
    }
    void Integers(std::string_view, const int*, size_t) override {}
    void Texts(std::string_view, const std::string*, size_t) override {}

    std::map<std::string, double> numbers;
    std::map<std::string, long long> integers;
    std::map<std::string, std::string> texts;
    std::map<std::string, std::pair<std::vector<double>, size_t>> arrays;
};

class ShapesTest : public ModelTest {
  protected:
    FakeSceneHost host;
    void SetUp() override {
        ModelTest::SetUp();
        CurrentDocument = &host;
    }
};

// ---------------------------------------------------------------------------------------------
// polygon

TEST_F(ShapesTest, DefaultPolygonTableAndSceneText) {
    CPovPolygon polygon;
    EXPECT_EQ(polygon.Name, "Polygon_000");
    EXPECT_EQ(polygon.GetType(), 20);
    EXPECT_EQ(polygon.PointCount, 4);
    EXPECT_DOUBLE_EQ(polygon.Points[4].X, 0.2);
    EXPECT_DOUBLE_EQ(polygon.Points[19].X, 0.95);
    EXPECT_DOUBLE_EQ(polygon.Points[19].Y, 0.75);
    EXPECT_EQ(Written(polygon), std::string("#declare Polygon_000 = polygon {\r\n"
                                            "  4.0\r\n"
                                            "  <-0.7500,-0.7500> , \r\n"
                                            "  <0.7500,-0.7500> , \r\n"
                                            "  <0.7500,0.7500> , \r\n"
                                            "  <-0.7500,0.7500>\r\n") +
                                    kIdentitySteps +
                                    "}\r\n\r\n"
                                    "object {\r\n  Polygon_000\r\n}\r\n\r\n");

    // the texture stands between scale and rotation; hollow after the translation
    polygon.UseOwnTexture = 1;
    polygon.TextureName = "Gold";
    polygon.WriteTextureSteps = 0;
    polygon.Hollow = 1;
    const std::string text = Written(polygon);
    EXPECT_NE(text.find("  scale <1.0000,1.0000,1.0000>\r\n"
                        "  //$quickcolor:$ <1.0000 1.0000 1.0000> \r\n"
                        "  texture\r\n  {\r\n    Gold\r\n  }\r\n"
                        "  rotate <0.0000,0.0000,0.0000>\r\n"
                        "  translate <0.0000,0.0000,0.0000>\r\n"
                        "  hollow\r\n}\r\n\r\n"),
              std::string::npos);
}

TEST_F(ShapesTest, ShapesInsideAGroupWriteNoObjectLine) {
    CPovPolygon group;  // any object serves as the parent here
    auto* polygon = new CPovPolygon();
    auto* lathe = new CPovLathe();
    auto* text = new CPovTTF();
    auto* triangle = new CPovTriangle();
    for (CPovObject* o : std::initializer_list<CPovObject*>{polygon, lathe, text, triangle})
        AppendChild(&group, o);
    for (CPovObject* o : std::initializer_list<CPovObject*>{polygon, lathe, text, triangle}) {
        const std::string written = Written(*o);
        EXPECT_EQ(written.rfind("#declare " + o->Name + " = ", 0), 0u) << written;
        EXPECT_EQ(written.find("object {"), std::string::npos) << written;
        EXPECT_TRUE(written.ends_with("}\r\n\r\n")) << written;
    }
}

TEST_F(ShapesTest, PolygonOutlineBoundsAndWireFrame) {
    CPovPolygon polygon;
    polygon.ScaleStep() = Vector(2, 4, 1);
    polygon.Translation() = Vector(1, 0, 3);
    polygon.UpdateGeometry();
    ASSERT_EQ(polygon.Outline.size(), 5u);
    EXPECT_DOUBLE_EQ(polygon.Outline[4].X, polygon.Outline[0].X);
    EXPECT_DOUBLE_EQ(polygon.Outline[4].Y, polygon.Outline[0].Y);
    EXPECT_NEAR(polygon.MinX, -0.5, 1e-12);
    EXPECT_NEAR(polygon.MaxX, 2.5, 1e-12);
    EXPECT_NEAR(polygon.MinY, -3.0, 1e-12);
    EXPECT_NEAR(polygon.MaxY, 3.0, 1e-12);
    EXPECT_NEAR(polygon.MinZ, 3.0, 1e-12);
    EXPECT_NEAR(polygon.MaxZ, 3.0, 1e-12);

    FakeViewPort front(kFrontView, 10);
    RecordingDeviceContext dc;
    polygon.Draw(front, &dc, -10, -10, 400, 300, 10);
    ASSERT_EQ(dc.primitives.size(), 1u);
    EXPECT_EQ(dc.primitives[0].points.size(), 5u);  // PointCount + 1, closed
    EXPECT_EQ(dc.primitives[0].points.front(), dc.primitives[0].points.back());
}

// ---------------------------------------------------------------------------------------------
// triangles

TEST_F(ShapesTest, TrianglesNameThemselvesFromTheirOwnCounters) {
    CPovPolygon first;
    CPovTriangle triangle;
    CPovSmoothTriangle smooth;
    CPovPolygon second;
    EXPECT_EQ(first.Name, "Polygon_000");
    EXPECT_EQ(triangle.Name, "Triangle_000");
    EXPECT_EQ(smooth.Name, "SmoothTriangle_000");
    EXPECT_EQ(second.Name, "Polygon_001");  // the triangles gave their polygon numbers back
    EXPECT_EQ(g_NameCounters.Polygon, 2);
    EXPECT_EQ(g_NameCounters.Triangle, 1);
    EXPECT_EQ(g_NameCounters.SmoothTriangle, 1);
    EXPECT_EQ(triangle.GetType(), 22);
    EXPECT_EQ(smooth.GetType(), 22);
    EXPECT_EQ(triangle.PointCount, 3);
    EXPECT_STREQ(smooth.GetHelpKeyword(), "SmoothTriangle");
    EXPECT_TRUE(smooth.CanBeCsgElement());
}

TEST_F(ShapesTest, TriangleCornersAndNormalsLiveInThePointTableByCoordinate) {
    CPovSmoothTriangle t;
    for (int c = 0; c < 3; ++c) {
        t.SetTriangleCorner(c, Vector(10 + c, 20 + c, 30 + c));
        t.SetTriangleNormal(c, Vector(40 + c, 50 + c, 60 + c));
    }
    // doubles 0-5: x of corner 0, normal 0, corner 1, normal 1, corner 2, normal 2
    const double expected[18] = {10, 40, 11, 41, 12, 42, 20, 50, 21,
                                 51, 22, 52, 30, 60, 31, 61, 32, 62};
    for (int i = 0; i < 18; ++i) {
        const ShapePoint& p = t.Points[i / 2];
        EXPECT_DOUBLE_EQ(i % 2 ? p.Y : p.X, expected[i]) << i;
    }
    EXPECT_FALSE(t.SetTriangleCorner(3, Vector()));

    // the reader resets the count and appends corners: a fourth one does not fit
    t.PointCount = 0;
    EXPECT_TRUE(t.AddTriangleCorner(Vector(0, 0, 0)));
    EXPECT_TRUE(t.AddTriangleCorner(Vector(1, 0, 0)));
    EXPECT_TRUE(t.AddTriangleCorner(Vector(0, 1, 2)));
    EXPECT_FALSE(t.AddTriangleCorner(Vector(9, 9, 9)));
    EXPECT_EQ(t.PointCount, 3);
    EXPECT_EQ(t.TriangleNormal(0), Vector(40, 50, 60));  // corners leave the normals alone

    t.UpdateGeometry();
    ASSERT_EQ(t.Outline.size(), 4u);
    EXPECT_DOUBLE_EQ(t.Outline[2].Z, 2.0);
    EXPECT_DOUBLE_EQ(t.MaxZ, 2.0);
    EXPECT_DOUBLE_EQ(t.Outline[3].X, t.Outline[0].X);
}

TEST_F(ShapesTest, TrianglesWriteTheirCornersOnOneLineWithoutSteps) {
    CPovTriangle t;
    t.SetTriangleCorner(0, Vector(0, 0, 0));
    t.SetTriangleCorner(1, Vector(1, 0, 0));
    t.SetTriangleCorner(2, Vector(0, 1, 0.5));
    t.ScaleStep() = Vector(5, 5, 5);  // never written
    EXPECT_EQ(Written(t),
              "#declare Triangle_000 = triangle {\r\n"
              "  <0.0000,0.0000,0.0000>,<1.0000,0.0000,0.0000>,  <0.0000,1.0000,0.5000>\r\n"
              "}\r\n\r\n"
              "object {\r\n  Triangle_000\r\n}\r\n\r\n");

    CPovSmoothTriangle s;
    for (int c = 0; c < 3; ++c) {
        s.SetTriangleCorner(c, Vector(c, 0, 0));
        s.SetTriangleNormal(c, Vector(0, 0, -1));
    }
    s.UseOwnTexture = 1;
    s.TextureName = "T";
    s.WriteTextureSteps = 0;
    EXPECT_EQ(Written(s),
              "#declare SmoothTriangle_000 = smooth_triangle {\r\n"
              "  <0.0000,0.0000,0.0000>,<0.0000,0.0000,-1.0000>,"
              "<1.0000,0.0000,0.0000>,<0.0000,0.0000,-1.0000>,"
              "<2.0000,0.0000,0.0000>,<0.0000,0.0000,-1.0000>\r\n"
              "  //$quickcolor:$ <1.0000 1.0000 1.0000> \r\n"
              "  texture\r\n  {\r\n    T\r\n  }\r\n"
              "}\r\n\r\n"
              "object {\r\n  SmoothTriangle_000\r\n}\r\n\r\n");
}

TEST_F(ShapesTest, SheetsAndCopiesOfPolygonKinds) {
    ScopedEditorHost editor;
    CPovTriangle t;
    CPovSmoothTriangle s;
    CPovPolygon p;
    editor.edit = [](CPovObject& o) {
        if (auto* polygon = dynamic_cast<CPovPolygon*>(&o))
            polygon->SetPointCount(3);
    };
    t.SetDocument(&host);
    EXPECT_EQ(t.EditProperties(), kDialogOk);
    EXPECT_EQ(s.EditProperties(), kDialogOk);
    EXPECT_EQ(p.EditProperties(), kDialogOk);
    EXPECT_EQ(editor.captions, (std::vector<std::string>{"Eigenschaften Dreieck (triangle)",
                                                         "Eigenschaften Dreieck (smooth_triangle)",
                                                         "Eigenschaften Polygon"}));
    EXPECT_EQ(host.modifications, 1);  // only the triangle belongs to the document
    EXPECT_EQ(p.Outline.size(), 4u);   // the polygon rebuilt its outline for 3 points

    t.SetTriangleCorner(2, Vector(7, 8, 9));
    std::unique_ptr<CPovObject> copy(t.Clone());
    auto* tc = dynamic_cast<CPovTriangle*>(copy.get());
    ASSERT_NE(tc, nullptr);
    EXPECT_EQ(tc->TriangleCorner(2), Vector(7, 8, 9));
    EXPECT_EQ(tc->Name, "Triangle_001");

    p.Points[2] = {0.1, 0.2};
    std::unique_ptr<CPovObject> pcopy(p.Clone());
    auto* pc = dynamic_cast<CPovPolygon*>(pcopy.get());
    ASSERT_NE(pc, nullptr);
    EXPECT_EQ(pc->PointCount, 3);
    EXPECT_DOUBLE_EQ(pc->Points[2].Y, 0.2);
}

// ---------------------------------------------------------------------------------------------
// the fixed tables

TEST_F(ShapesTest, PointTablesRefuseWhatDoesNotFitAndClampTheCount) {
    CPovPolygon polygon;
    CPovLathe lathe;
    polygon.PointCount = 0;
    lathe.PointCount = 0;
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(polygon.AddPoint(i, -i));
        EXPECT_TRUE(lathe.AddPoint(i, i));
    }
    EXPECT_FALSE(polygon.AddPoint(99, 99));
    EXPECT_FALSE(lathe.AddPoint(99, 99));
    EXPECT_EQ(polygon.PointCount, 20);
    EXPECT_FALSE(polygon.SetPointCount(21));
    EXPECT_FALSE(polygon.SetPointCount(-1));
    EXPECT_FALSE(lathe.SetPoint(20, 1, 1));
    EXPECT_FALSE(polygon.SetPoint(-1, 1, 1));
    EXPECT_TRUE(lathe.SetPointCount(20));

    // a count set past the table (by hand) is used as 20
    polygon.PointCount = 500;
    lathe.PointCount = 500;
    polygon.UpdateGeometry();
    lathe.UpdateGeometry();
    EXPECT_EQ(polygon.Outline.size(), 21u);
    EXPECT_EQ(lathe.Outline.size(), 240u);
    const std::string p = Written(polygon);
    EXPECT_NE(p.find("  20.0\r\n"), std::string::npos);
    EXPECT_NE(p.find("  <19.0000,-19.0000>\r\n  scale"), std::string::npos);
    EXPECT_NE(Written(lathe).find("  linear_spline\r\n  20.0\r\n"), std::string::npos);
    FakeViewPort top(kTopView, 10);
    RecordingDeviceContext dc;
    lathe.Draw(top, &dc, -100, -100, 2000, 2000, 10);
    EXPECT_EQ(dc.Count(Kind::Line), 19u * 12u);

    // and a negative count as none
    polygon.PointCount = -3;
    polygon.UpdateGeometry();
    EXPECT_TRUE(polygon.Outline.empty());
    EXPECT_NE(Written(polygon).find("polygon {\r\n  0.0\r\n  scale"), std::string::npos);
    EXPECT_TRUE(polygon.AddPoint(1, 2));
    EXPECT_EQ(polygon.PointCount, 1);
}

// ---------------------------------------------------------------------------------------------
// lathe

TEST_F(ShapesTest, DefaultLatheSceneText) {
    CPovLathe lathe;
    EXPECT_EQ(lathe.Name, "Rotationskoerper000");
    EXPECT_EQ(lathe.GetType(), 18);
    EXPECT_DOUBLE_EQ(lathe.Points[5].X, 0.25);
    EXPECT_DOUBLE_EQ(lathe.Points[19].Y, 1.0);
    EXPECT_EQ(Written(lathe), std::string("#declare Rotationskoerper000 = lathe {\r\n"
                                          "  linear_spline\r\n"
                                          "  5.0\r\n"
                                          "  <0.0000,0.0000> , \r\n"
                                          "  <0.5000,0.2500> , \r\n"
                                          "  <1.0000,0.5000> , \r\n"
                                          "  <0.5000,0.7500> , \r\n"
                                          "  <0.0000,1.0000>\r\n") +
                                  kIdentitySteps +
                                  "}\r\n\r\n"
                                  "object {\r\n  Rotationskoerper000\r\n}\r\n\r\n");
    CPovLathe second;
    EXPECT_EQ(second.Name, "Rotationskoerper001");
}

TEST_F(ShapesTest, LatheRingsAndWireFrame) {
    CPovLathe lathe;
    ASSERT_EQ(lathe.Outline.size(), 60u);
    // ring of the second profile point (r 0.5, y 0.25): +z first, then towards +x
    EXPECT_DOUBLE_EQ(lathe.Outline[12].Z, 0.5);
    EXPECT_DOUBLE_EQ(lathe.Outline[13].X, 0.25);
    EXPECT_DOUBLE_EQ(lathe.Outline[13].Z, 0.433);  // 0.866 as written, not sqrt(3) / 2
    EXPECT_DOUBLE_EQ(lathe.Outline[15].X, 0.5);
    EXPECT_DOUBLE_EQ(lathe.MinX, -1.0);
    EXPECT_DOUBLE_EQ(lathe.MaxZ, 1.0);
    EXPECT_DOUBLE_EQ(lathe.MaxY, 1.0);

    FakeViewPort front(kFrontView, 10);
    RecordingDeviceContext dc;
    lathe.Draw(front, &dc, -10, -10, 400, 300, 10);
    // four bands: two closed 13-point rings and twelve joining lines each
    EXPECT_EQ(dc.Count(Kind::Polyline), 8u);
    EXPECT_EQ(dc.Count(Kind::Line), 48u);
    EXPECT_EQ(dc.primitives[0].points.size(), 13u);

    ScopedEditorHost editor;
    editor.result = kDialogCancel;
    editor.edit = [](CPovObject& o) { static_cast<CPovLathe&>(o).PointCount = 2; };
    EXPECT_EQ(lathe.EditProperties(), kDialogCancel);
    EXPECT_EQ(editor.captions.at(0), "Eigenschaften Rotationsk\xF6rper (Lathe)");
    EXPECT_EQ(lathe.Outline.size(), 24u);  // rebuilt whatever the result

    lathe.SplineType = "cubic_spline";
    lathe.Points[7] = {0.3, 0.4};
    std::unique_ptr<CPovObject> copy(lathe.Clone());
    auto* c = dynamic_cast<CPovLathe*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->SplineType, "cubic_spline");
    EXPECT_EQ(c->PointCount, 2);
    EXPECT_DOUBLE_EQ(c->Points[7].Y, 0.4);
}

// ---------------------------------------------------------------------------------------------
// text

TEST_F(ShapesTest, TextSceneText) {
    ScopedFakeFontOutlines fonts;
    CPovTTF text;
    EXPECT_EQ(text.Name, "Text_000");
    EXPECT_EQ(text.GetType(), 20);
    EXPECT_TRUE(fonts.opened.empty());  // no font file yet: nothing to load
    text.FontFile = "arial.ttf";
    text.Text = "Hello";
    EXPECT_EQ(Written(text), std::string("#declare Text_000 = text {\r\n"
                                         "  ttf \"arial.ttf\"\r\n"
                                         "  \"Hello\"\r\n"
                                         "  1.0000\r\n"
                                         "  <0.0000,0.0000,0.0000>\r\n") +
                                 kIdentitySteps +
                                 "}\r\n\r\n"
                                 "object {\r\n  Text_000\r\n}\r\n\r\n");
    text.Spacing = 0.25;
    text.Thickness = 0.5;
    EXPECT_NE(Written(text).find("  0.5000\r\n  <0.2500,0.0000,0.0000>\r\n"), std::string::npos);
}

TEST_F(ShapesTest, QuotesAndBackslashesCannotBreakTheTextLines) {
    CPovTTF text;
    EXPECT_FALSE(text.SetFontFile("my\"font.ttf"));
    EXPECT_FALSE(text.SetFontFile("fonts\\"));
    EXPECT_FALSE(text.SetFontFile("a\r\nb.ttf"));
    EXPECT_TRUE(text.SetFontFile("C:\\Fonts\\arial.ttf"));  // POV-Ray keeps these as they are
    EXPECT_EQ(text.FontFile, "C:\\Fonts\\arial.ttf");

    text.SetText("say \"hi\" \\o/\r\n");
    EXPECT_EQ(text.Text, "say 'hi' /o/  ");

    // values put into the fields by hand are written safely too
    text.FontFile = "odd\"name.ttf\\";
    text.Text = "a\"b\\";
    const std::string written = Written(text);
    EXPECT_NE(written.find("  ttf \"oddname.ttf\"\r\n  \"a'b/\"\r\n"), std::string::npos)
        << written;
}

TEST_F(ShapesTest, TextOutlineComesFromTheFontWhenTheSheetCloses) {
    ScopedFakeFontOutlines fonts;
    fonts.scale = 2.0;
    ScopedEditorHost editor;
    CPovTTF text;
    text.SetDocument(&host);
    bool editingSeen = false;
    editor.edit = [&](CPovObject& o) {
        auto& t = static_cast<CPovTTF&>(o);
        editingSeen = t.Editing == 1;
        t.FontFile = "not-installed-anywhere.ttf";
        t.Text = "Hi";
        t.UpdateGeometry();  // does nothing while the sheet is open
    };
    EXPECT_EQ(text.EditProperties(), kDialogOk);
    EXPECT_TRUE(editingSeen);
    EXPECT_EQ(text.Editing, 0);
    EXPECT_EQ(editor.captions.at(0), "Eigenschaften Text");
    ASSERT_EQ(fonts.opened.size(), 1u);
    EXPECT_EQ(fonts.opened[0], "not-installed-anywhere.ttf");  // not found: as given
    EXPECT_EQ(fonts.openHandles, 0);                           // closed again
    EXPECT_DOUBLE_EQ(text.FontScale, 2.0);
    ASSERT_EQ(text.GlyphOutline.size(), 8u);
    EXPECT_EQ(text.GlyphOutline[3].Index, 3);
    EXPECT_EQ(text.GlyphOutline[4].Index, 0);  // the second character's contour
    EXPECT_EQ(host.modifications, 1);

    // front and back point per outline point; the back at the thickness
    ASSERT_EQ(text.Outline.size(), 16u);
    EXPECT_DOUBLE_EQ(text.MinX, 0.0);
    EXPECT_DOUBLE_EQ(text.MaxX, 1.1);
    EXPECT_DOUBLE_EQ(text.MaxY, 1.0);
    EXPECT_DOUBLE_EQ(text.MaxZ, 1.0);

    // wire frame: per contour both faces closed, and a line per outline point
    FakeViewPort front(kTopView, 10);
    RecordingDeviceContext dc;
    text.Draw(front, &dc, -10, -10, 400, 300, 10);
    EXPECT_EQ(dc.Count(Kind::Polyline), 4u);
    EXPECT_EQ(dc.Count(Kind::Line), 8u);
    for (const auto& p : dc.primitives) {
        if (p.kind == Kind::Polyline) {
            EXPECT_EQ(p.points.size(), 5u);
        }
    }

    // cancel: the outline stays, nothing is read
    editor.result = kDialogCancel;
    editor.edit = nullptr;
    EXPECT_EQ(text.EditProperties(), kDialogCancel);
    EXPECT_EQ(text.Editing, 0);
    EXPECT_EQ(fonts.opened.size(), 1u);

    std::unique_ptr<CPovObject> copy(text.Clone());
    auto* c = dynamic_cast<CPovTTF*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Text, "Hi");
    EXPECT_EQ(c->GlyphOutline.size(), 8u);
    EXPECT_EQ(fonts.opened.size(), 1u);
}

TEST_F(ShapesTest, FontFailuresShowTheirMessageAndKeepTheOutline) {
    ScopedFakeFontOutlines fonts;
    ScopedRecordingPrompts prompts;
    ScopedEditorHost editor;
    CPovTTF text;
    text.SetDocument(&host);
    text.FontFile = "a.ttf";
    text.Text = "H";
    ASSERT_TRUE(text.LoadOutline(true));
    ASSERT_EQ(text.GlyphOutline.size(), 4u);

    const struct {
        int open, outline;
        int message;
    } cases[] = {{kFontOpenError, 0, IDS_FONT_OPEN_ERROR},
                 {kFontReadError, 0, IDS_FONT_READ_ERROR},
                 {kFontMemoryError, 0, IDS_FONT_MEMORY_ERROR},
                 {1, kFontGlyphError, IDS_FONT_READ_ERROR},
                 {-9, 0, IDS_FONT_UNKNOWN_ERROR}};
    int modifications = host.modifications;
    for (const auto& c : cases) {
        fonts.openResult = c.open;
        fonts.outlineResult = c.outline;
        prompts.messages.clear();
        text.Text = "HHH";
        EXPECT_EQ(text.EditProperties(), kDialogOk);
        ASSERT_EQ(prompts.messages.size(), 1u) << c.open;
        EXPECT_EQ(prompts.messages[0], LoadString(c.message));
        EXPECT_EQ(text.GlyphOutline.size(), 4u);  // the previous outline
        EXPECT_EQ(text.Outline.size(), 8u);
        EXPECT_EQ(host.modifications, ++modifications);
    }
    EXPECT_EQ(LoadString(IDS_FONT_UNKNOWN_ERROR), "unknown error");
    EXPECT_EQ(fonts.openHandles, 0);
}

TEST_F(ShapesTest, AMissingFontIsReportedOnceNotAtEveryMove) {
    ScopedFakeFontOutlines fonts;
    ScopedRecordingPrompts prompts;
    fonts.openResult = kFontOpenError;
    CPovTTF text;
    text.FontFile = "gone.ttf";  // as the reader sets it
    text.Text = "Hi";
    text.UpdateGeometry();
    EXPECT_EQ(prompts.messages.size(), 1u);
    FakeViewPort front;
    text.Selected = 1;
    text.MoveBy(1, 1, front);
    text.MoveBy(1, 1, front);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(text.Outline.empty());

    // another font is tried again
    fonts.openResult = 1;
    text.FontFile = "there.ttf";
    text.UpdateGeometry();
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(text.GlyphOutline.size(), 8u);
    EXPECT_NEAR(text.MinX, 2.0, 1e-12);  // moved twice by one unit
}

TEST_F(ShapesTest, FieldsAreReportedByName) {
    ScopedFakeFontOutlines fonts;
    CPovTTF text;
    text.FontFile = "f.ttf";
    text.Text = "A";
    text.UpdateGeometry();
    RecordingSink sink;
    text.VisitFields(sink);
    EXPECT_EQ(sink.texts["FontFile"], "f.ttf");
    EXPECT_EQ(sink.texts["Text"], "A");
    EXPECT_EQ(sink.integers.count("Editing"), 1u);
    EXPECT_DOUBLE_EQ(sink.numbers["Thickness"], 1.0);
    EXPECT_EQ(sink.numbers.count("Spacing"), 1u);
    EXPECT_EQ(sink.numbers.count("FontScale"), 1u);
    EXPECT_EQ(sink.arrays["GlyphOutline"].first.size(), 12u);
    EXPECT_EQ(sink.arrays["GlyphOutline"].second, 3u);

    CPovLathe lathe;
    RecordingSink ls;
    lathe.VisitFields(ls);
    EXPECT_EQ(ls.texts["SplineType"], "linear_spline");
    EXPECT_EQ(ls.integers["PointCount"], 5);
    ASSERT_EQ(ls.arrays["Points"].first.size(), 40u);
    EXPECT_EQ(ls.arrays["Points"].second, 2u);
    EXPECT_DOUBLE_EQ(ls.arrays["Points"].first[3], 0.25);

    CPovTriangle t;
    RecordingSink ts;
    t.VisitFields(ts);
    EXPECT_EQ(ts.integers["PointCount"], 3);
    EXPECT_EQ(ts.arrays["Points"].first.size(), 40u);
}

// ---------------------------------------------------------------------------------------------
// the solid preview

class ShapesGlTest : public ShapesTest {
  protected:
    // lit pixels and their centre (x, y: screen right and down from the centre)
    struct Picture {
        int lit = 0;
        double x = 0, y = 0;
    };
    Picture Render(GlTestCanvas& canvas, CPovObject& o) {
        canvas.SetUpDefaultCamera();
        FakeViewPort camera(kCameraView, 1);
        camera.useOpenGL = true;
        o.Draw(camera, nullptr, 0, 0, 160, 120, 1);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        canvas.Capture();
        Picture p;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x) {
                const Rgba c = canvas.At(x, y);
                if (c.r > 8 || c.g > 8 || c.b > 8) {
                    ++p.lit;
                    p.x += x - 80;
                    p.y += y - 60;
                }
            }
        if (p.lit) {
            p.x /= p.lit;
            p.y /= p.lit;
        }
        return p;
    }
};

TEST_F(ShapesGlTest, ExtrudedTextAndTheOtherShapesLightPixels) {
    GlTestCanvas canvas(160, 120);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    ScopedFakeFontOutlines fonts;
    CPovTTF text;
    text.FontFile = "abc.ttf";
    text.Text = "H";
    text.ScaleStep() = Vector(4, 4, 4);
    text.UpdateGeometry();
    ASSERT_FALSE(text.GlyphOutline.empty());
    const Picture upright = Render(canvas, text);
    EXPECT_GT(upright.lit, 100);
    // POV-Ray's x runs to the right of the default camera, y up the screen
    EXPECT_GT(upright.x, 0);
    EXPECT_LT(upright.y, 0);

    // turned 90 degrees about z, as POV-Ray turns it: (x, y) becomes (-y, x)
    text.RotationStep() = Vector(0, 0, 90);
    const Picture turned = Render(canvas, text);
    EXPECT_GT(turned.lit, 100);
    EXPECT_LT(turned.x, 0);
    EXPECT_LT(turned.y, 0);

    // a font file name of three characters or fewer is not drawn
    text.FontFile = "a.t";
    EXPECT_EQ(Render(canvas, text).lit, 0);

    CPovPolygon polygon;
    polygon.ScaleStep() = Vector(3, 3, 3);
    EXPECT_GT(Render(canvas, polygon).lit, 100);
    CPovLathe lathe;
    lathe.ScaleStep() = Vector(3, 3, 3);
    EXPECT_GT(Render(canvas, lathe).lit, 100);
    CPovSmoothTriangle smooth;
    smooth.SetTriangleCorner(0, Vector(0, 0, 0));
    smooth.SetTriangleCorner(1, Vector(3, 0, 0));
    smooth.SetTriangleCorner(2, Vector(0, 3, 0));
    const Picture tri = Render(canvas, smooth);
    EXPECT_GT(tri.lit, 100);
    EXPECT_GT(tri.x, 0);
}

TEST_F(ShapesGlTest, BothTriangleKindsAreLitByTheirStoredCornerNormals) {
    GlTestCanvas canvas(160, 120);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    // brightness of the triangle's middle under a light between it and the eye
    auto brightness = [&](CPovPolygon& triangle, const Vector& normal) {
        for (int c = 0; c < 3; ++c)
            triangle.SetTriangleNormal(c, normal);
        canvas.SetUpDefaultCamera();
        const float position[4] = {0, 0, -30, 1};
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glLightfv(GL_LIGHT0, GL_POSITION, position);
        FakeViewPort camera(kCameraView, 1);
        camera.useOpenGL = true;
        triangle.Draw(camera, nullptr, 0, 0, 160, 120, 1);
        glDisable(GL_LIGHTING);
        canvas.Capture();
        return static_cast<int>(canvas.At(80, 60).r);
    };
    CPovTriangle plain;
    CPovSmoothTriangle smooth;
    for (CPovPolygon* t : std::initializer_list<CPovPolygon*>{&plain, &smooth}) {
        t->SetTriangleCorner(0, Vector(-3, -3, 0));
        t->SetTriangleCorner(1, Vector(3, -3, 0));
        t->SetTriangleCorner(2, Vector(0, 4, 0));
        // towards the light (POV-Ray's -z) it is bright, turned away only the ambient part shows
        const int towards = brightness(*t, Vector(0, 0, -1));
        const int away = brightness(*t, Vector(0, 0, 1));
        EXPECT_GT(towards, away + 100) << t->GetClassName();
    }
}

}  // namespace
