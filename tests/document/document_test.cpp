#include <gtest/gtest.h>

#include "document/orvanta_doc.h"
#include "model/pov_level.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "platform/memory_settings_store.h"
#include "tests/support/model_test.h"

namespace {

class DocumentTest : public ModelTest {};

TEST_F(DocumentTest, ANewDocumentIsEmptyAndCurrent) {
    COrvantaDoc doc;
    EXPECT_EQ(CurrentDocument, &doc);
    EXPECT_EQ(doc.Objects, nullptr);
    EXPECT_EQ(doc.Textures, nullptr);
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.Background, nullptr);
    EXPECT_EQ(doc.SkySphere, nullptr);
    EXPECT_EQ(doc.ZoomFront, 0);
    EXPECT_EQ(doc.GridTop, 0.0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Script");
}

TEST_F(DocumentTest, DestructionClearsTheCurrentDocumentAndTheClipboard) {
    auto* doc = new COrvantaDoc();
    doc->InsertObject(new CPovCubic());
    doc->CurrentObject = doc->Objects;
    doc->OnEditCopy();
    ASSERT_NE(ClipboardObject, nullptr);
    delete doc;
    EXPECT_EQ(CurrentDocument, nullptr);
    EXPECT_EQ(ClipboardObject, nullptr);
}

TEST_F(DocumentTest, ListsHoldTheNewestFirst) {
    COrvantaDoc doc;
    auto* a = new CPovCubic();
    auto* b = new CPovCubic();
    doc.InsertObject(a);
    doc.InsertObject(b);
    EXPECT_EQ(doc.Objects, b);
    EXPECT_EQ(b->NextSibling, a);
    EXPECT_EQ(a->Document, &doc);
}

TEST_F(DocumentTest, PlacingUsesTheActiveViewAndLeavesOneSelection) {
    COrvantaDoc doc;
    FakeViewPort inactive(kTopView);
    inactive.active = false;
    FakeViewPort front(kFrontView);
    front.centre = Vector(4, 5, 0);
    doc.AddView(&inactive);
    doc.AddView(&front);

    auto* old = new CPovCubic();
    doc.InsertObject(old);
    old->Select(front);
    auto* fresh = new CPovCubic();
    doc.InsertObject(fresh);
    doc.PlaceNewObject(fresh);
    EXPECT_EQ(fresh->Translation(), Vector(4, 5, 0));
    EXPECT_TRUE(fresh->IsSelected());
    EXPECT_FALSE(old->IsSelected());
    EXPECT_EQ(doc.CurrentObject, fresh);
}

TEST_F(DocumentTest, WithoutAnActiveViewANewObjectStaysWhereItWas) {
    COrvantaDoc doc;
    auto* box = new CPovCubic();
    doc.InsertObject(box);
    doc.PlaceNewObject(box);
    EXPECT_EQ(box->Translation(), Vector(0, 0, 0));
    EXPECT_FALSE(box->IsSelected());
}

TEST_F(DocumentTest, CutPasteAndUndo) {
    COrvantaDoc doc;
    FakeViewPort front(kFrontView);
    front.centre = Vector(1, 1, 0);
    doc.AddView(&front);
    auto* box = new CPovCubic();
    doc.InsertObject(box);
    box->Select(front);

    doc.OnEditCut();
    EXPECT_FALSE(box->IsPresent());
    EXPECT_EQ(doc.CurrentObject, nullptr);
    ASSERT_NE(ClipboardObject, nullptr);
    EXPECT_TRUE(doc.IsModified());

    doc.OnEditPaste();
    CPovObject* pasted = doc.Objects;
    ASSERT_NE(pasted, box);
    EXPECT_TRUE(pasted->IsPresent());
    EXPECT_EQ(pasted->Translation(), Vector(1, 1, 0));
    EXPECT_EQ(doc.CurrentObject, pasted);
    EXPECT_EQ(pasted->Document, &doc);

    doc.OnEditUndo();  // takes the pasted copy out of the scene again
    EXPECT_EQ(doc.Objects, box);
    EXPECT_EQ(doc.CurrentObject, nullptr);
    doc.OnEditUndo();  // and brings the cut box back
    EXPECT_TRUE(box->IsPresent());
    EXPECT_FALSE(doc.History().CanUndo());
    doc.OnEditRedo();
    doc.OnEditRedo();
    EXPECT_FALSE(box->IsPresent());
    EXPECT_EQ(doc.Objects, pasted);
}

TEST_F(DocumentTest, CopyChangesNothingThatUndoCouldTakeBack) {
    COrvantaDoc doc;
    FakeViewPort front(kFrontView);
    auto* box = new CPovCubic();
    doc.InsertObject(box);
    doc.OnEditCopy();  // nothing selected: nothing happens
    EXPECT_EQ(ClipboardObject, nullptr);
    doc.OnEditCut();
    EXPECT_TRUE(box->IsPresent());

    box->Select(front);
    doc.OnEditCopy();
    ASSERT_NE(ClipboardObject, nullptr);
    doc.OnEditUndo();
    EXPECT_TRUE(box->IsPresent());
}

TEST_F(DocumentTest, ToolCommands) {
    COrvantaDoc doc;
    doc.OnToolResize();
    EXPECT_EQ(doc.ResizeMode, 1);
    doc.OnToolResize();
    EXPECT_EQ(doc.ResizeMode, 0);
    doc.OnToolResize();
    doc.OnToolMove();
    EXPECT_EQ(doc.ResizeMode, 0);
}

TEST_F(DocumentTest, ViewsHearAboutChangesExceptTheSender) {
    struct CountingView : FakeViewPort {
        int changes = 0;
        void OnDocumentChanged() override { ++changes; }
    } a, b;
    COrvantaDoc doc;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.UpdateAllViews(&a);
    EXPECT_EQ(a.changes, 0);
    EXPECT_EQ(b.changes, 1);
    doc.RemoveView(&b);
    doc.UpdateAllViews();
    EXPECT_EQ(a.changes, 1);
    EXPECT_EQ(b.changes, 1);
}

class OptionsTest : public ModelTest {
  protected:
    MemorySettingsStore store;
    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&store);
    }
    void TearDown() override {
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
};

TEST_F(OptionsTest, DefaultsWhenTheStoreIsEmpty) {
    COrvantaOptions options;
    EXPECT_EQ(options.Includes.PovVersion30, 0);
    EXPECT_EQ(options.Modeller.OpenGL, 1);
    EXPECT_EQ(options.Modeller.DeepTest, 1);
    EXPECT_EQ(options.Modeller.Lights, 1);
    EXPECT_EQ(options.Modeller.Wireframe, 0);
    EXPECT_EQ(options.Modeller.ZoomValue, 10);
    EXPECT_EQ(options.Executables.ViewerParameters, "%s");
    EXPECT_EQ(COrvantaOptions::StandardIncludes(false).size(), 4u);
    EXPECT_EQ(COrvantaOptions::StandardIncludes(true).size(), 11u);
}

TEST_F(OptionsTest, StoredValuesKeepTheirMeaning) {
    store.Write(SettingsRoot::Machine, "1.0.0.1", "Name", "Machine Name");
    store.Write(SettingsRoot::Machine, "Pov", "Generate", "3.0");
    store.Write(SettingsRoot::User, "Modeller", "OpenGL", "no");
    store.Write(SettingsRoot::User, "Modeller", "Gridvalue", "50");
    store.Write(SettingsRoot::User, "Modeller", "Grid", "YES");  // only "yes" is yes
    COrvantaOptions options;
    EXPECT_EQ(options.Author.Name, "Machine Name");
    EXPECT_EQ(options.Includes.PovVersion30, 1);
    EXPECT_EQ(options.Modeller.OpenGL, 0);
    EXPECT_EQ(options.Modeller.Wireframe, 1);
    EXPECT_EQ(options.Modeller.DeepTest, 0);
    EXPECT_DOUBLE_EQ(options.Modeller.GridValue, 0.5);
    EXPECT_EQ(options.Modeller.GridOn, 0);

    COrvantaOptions program(COrvantaOptions::kProgramSettings);
    program.Modeller.GridValue = 0.25;
    program.Modeller.GridOn = 1;
    program.Save();
    EXPECT_EQ(store.Read(SettingsRoot::User, "Modeller", "Gridvalue"), "25");
    EXPECT_EQ(store.Read(SettingsRoot::User, "Modeller", "Grid"), "yes");
    EXPECT_EQ(store.Read(SettingsRoot::Machine, "Pov", "Generate"), "3.0");
}

TEST_F(OptionsTest, TheThreeLanguageLevelsAreStoredByTheirNames) {
    for (const char* stored : {"2.x", "3.0", "3.7"}) {
        store.Write(SettingsRoot::Machine, "Pov", "Generate", stored);
        COrvantaOptions program(COrvantaOptions::kProgramSettings);
        EXPECT_EQ(PovLevelSetting(program.Compatible.PovVersion30), std::string(stored));
        EXPECT_EQ(program.Includes.PovVersion30, program.Compatible.PovVersion30);
        store.Write(SettingsRoot::Machine, "Pov", "Generate", "");
        program.Save();
        EXPECT_EQ(store.Read(SettingsRoot::Machine, "Pov", "Generate"), stored);
    }
    store.Write(SettingsRoot::Machine, "Pov", "Generate", "4.0");
    EXPECT_EQ(COrvantaOptions().Includes.PovVersion30, kPovLevel2);
}

TEST_F(OptionsTest, IncludesAreAddedOnceByFileNameInLowerCase) {
    COrvantaOptions options;
    EXPECT_TRUE(options.AddInclude("/home/me/scenes/My.INC"));
    EXPECT_FALSE(options.AddInclude("/elsewhere/my.inc"));
    EXPECT_FALSE(options.AddInclude("MY.inc"));
    ASSERT_EQ(options.Includes.AdditionalIncludes.size(), 1u);
    EXPECT_EQ(options.Includes.AdditionalIncludes[0], "my.inc");
}

}  // namespace
