// Every kind's sheet, opened and closed with OK without a change, leaves the scene text byte
// for byte as it was: no page rounds, drops or rewrites a value it did not edit.
#include <gtest/gtest.h>

#include "document/creation_commands.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/shapes/pov_smooth_triangle.h"
#include "model/shapes/pov_triangle.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_sphere.h"
#include "props/pages/name_field.h"
#include "props/sheet_factory.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "tests/props/props_fixture.h"

namespace {

void ForEach(CPovObject* head, const std::function<void(CPovObject&)>& f) {
    for (CPovObject* o = head; o; o = o->NextSibling) {
        f(*o);
        ForEach(o->FirstChild, f);
    }
}

class EveryKindTest : public PropsTest {
  protected:
    // visits every page, then OK
    static int OkOnEveryPage(SheetRunner& r) {
        for (size_t i = 0; i < r.Sheet().PageCount(); ++i)
            EXPECT_TRUE(r.ShowPage(r.Sheet().Page(i).Title())) << r.Sheet().Caption();
        return OkOrCancel(r);
    }

    void ExpectOkKeepsTheScene() {
        const std::string before = Scene();
        int sheets = 0;
        auto edit = [&](CPovObject& o) {
            if (!MakeObjectSheet(o, "x"))
                return;
            ++sheets;
            EXPECT_EQ(Edit(o, OkOnEveryPage), 1) << o.GetClassName();
            EXPECT_EQ(Scene(), before) << o.GetClassName() << " " << o.Name;
        };
        ForEach(doc.Objects, edit);
        ForEach(doc.Textures, edit);
        ForEach(doc.Pigments, edit);
        ForEach(doc.Halos, edit);
        EXPECT_GT(sheets, 0);
    }

    void BuildOneOfEach() {
        doc.Pov3() = 1;
        for (const CreateKindInfo& info : CreateKinds())
            ASSERT_NE(doc.OnCreate(info.kind), nullptr) << info.name;
        auto* csg = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
        AppendChild(csg, new CPovCubic());
        AppendChild(csg, new CPovSphere());
        auto* blob = static_cast<CPovBlob*>(doc.OnCreate(CreateKind::Blob));
        AppendChild(blob, new CPovSphere());
        AppendChild(blob, new CPovCylinder());
        doc.InsertObject(new CPovTriangle());
        doc.InsertObject(new CPovSmoothTriangle());
        int n = 0;
        ForEach(doc.Objects, [&](CPovObject& o) {
            o.SetDocument(&doc);
            if (o.GetType() == kKindLookAt || o.Steps.size() < 3)
                return;
            ++n;
            o.Steps[kStepTranslate] = Vector(1.23456789 * n, -0.00004, 1e-7);
            o.Steps[kStepScale] = Vector(0.33333333, 999.99999, 1000.0);
            o.Steps[kStepRotate] = Vector(33.333333, -179.99999, 0.00005);
            o.UpdateGeometry();
        });
    }
};

TEST_F(EveryKindTest, OneOfEachWithValuesASheetCouldRound) {
    BuildOneOfEach();
    ExpectOkKeepsTheScene();
}

TEST_F(EveryKindTest, InEnglishEverySheetTextIsTranslated) {
    SetUiLanguage(UiLanguage::English);
    ClearUntranslatedTexts();
    BuildOneOfEach();
    ExpectOkKeepsTheScene();
    // the messages of refused values too
    NumberMessage();
    NumberRangeMessage(0, 1);
    IntegerMessage();
    IntegerRangeMessage(0, 1);
    TextLengthMessage(20);
    NameProblem("");
    NameProblem("1");
    NameProblem("box");
    SetUiLanguage(UiLanguage::German);
    EXPECT_EQ(UntranslatedTexts(), std::vector<std::string>{});
}

TEST_F(EveryKindTest, TheExampleScene) {
    ASSERT_TRUE(doc.OnOpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om").problems.empty());
    ExpectOkKeepsTheScene();
}

}  // namespace
