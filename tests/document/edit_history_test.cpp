// Cut, copy, paste, undo and redo in sequences; the camera's flags; CSG members; how deep the
// history reaches and where its clean point lies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/creation_commands.h"
#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "model/groups/pov_csg.h"
#include "model/lights/pov_camera.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/model_test.h"
#include "tests/support/scene_text_support.h"

namespace {

class EditHistoryTest : public ModelTest {
  protected:
    FakeViewPort front{kFrontView};

    CPovObject* AddBox(COrvantaDoc& doc, const char* name) {
        auto* box = new CPovCubic();
        box->Name = name;
        doc.InsertObject(box);
        return box;
    }
    static CPovObject* Named(COrvantaDoc& doc, const std::string& name) {
        for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
            if (o->Name == name)
                return o;
        return nullptr;
    }
    // The present top-level objects, newest first, pasted copies as "P"; then how many steps
    // can be undone and redone, and what the clipboard holds a copy of.
    static std::string Scene(const COrvantaDoc& doc) {
        std::string s;
        for (const CPovObject* o = doc.Objects; o; o = o->NextSibling)
            if (o->IsPresent())
                s += (o->Name.size() == 1 ? o->Name : std::string("P")) + " ";
        s += "| " + std::to_string(doc.History().UndoCount()) + " " +
             std::to_string(doc.History().RedoCount());
        return s;
    }
};

// Commands: xA cut A, cB copy B, v paste, z undo, y redo. A copy is no change: it leaves the
// history as it was, so an undo after it takes back the change before it.
TEST_F(EditHistoryTest, SequencesOfCutCopyPasteUndoAndRedo) {
    struct Row {
        const char* commands;
        const char* scene;
    };
    const Row rows[] = {
        {"z", "B A | 0 0"},
        {"cA z", "B A | 0 0"},
        {"xA", "B | 1 0"},
        {"xA z", "B A | 0 1"},
        {"xA z z", "B A | 0 1"},
        {"xA z y", "B | 1 0"},
        {"xA cB", "B | 1 0"},
        {"xA cB z", "B A | 0 1"},
        {"xA cB z v", "P B A | 1 0"},
        {"xA v", "P B | 2 0"},
        {"xA v z", "B | 1 1"},
        {"xA v z z", "B A | 0 2"},
        {"xA v z z y y", "P B | 2 0"},
        {"xA xB z", "B | 1 1"},
        {"xA xB z z", "B A | 0 2"},
        {"cB v v z", "P B A | 1 1"},
        {"cB v v z z y", "P B A | 1 1"},
        {"xA z v", "P B A | 1 0"},
        {"xA z v z y", "P B A | 1 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.commands);
        ResetModelGlobals();
        COrvantaDoc doc;
        doc.AddView(&front);
        AddBox(doc, "A");
        AddBox(doc, "B");
        const std::string text = row.commands;
        for (size_t i = 0; i < text.size(); ++i) {
            switch (text[i]) {
                case 'x':
                case 'c':
                    Named(doc, std::string(1, text[i + 1]))->Select(front);
                    text[i] == 'x' ? doc.OnEditCut() : doc.OnEditCopy();
                    ++i;
                    break;
                case 'v':
                    doc.OnEditPaste();
                    break;
                case 'z':
                    doc.OnEditUndo();
                    break;
                case 'y':
                    doc.OnEditRedo();
                    break;
                default:
                    break;
            }
        }
        EXPECT_EQ(Scene(doc), row.scene);
        // undo leaves the clipboard as the last cut or copy filled it
        if (text.find('c') != std::string::npos || text.find('x') != std::string::npos) {
            EXPECT_NE(ClipboardObject, nullptr);
        }
    }
}

TEST_F(EditHistoryTest, TheCameraComesAndGoesWithItsFlags) {
    COrvantaDoc doc;
    doc.AddView(&front);
    auto* camera = new CPovCamera();
    doc.InsertObject(camera);
    doc.Camera = camera;
    camera->Select(front);

    doc.OnEditCut();
    doc.CameraChanged = 0;
    doc.OnEditUndo();  // brings the same camera back and sets the flag
    EXPECT_EQ(doc.Camera, camera);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_TRUE(camera->IsPresent());
    EXPECT_FALSE(doc.CanCreate(CreateKind::Camera));
    doc.OnEditRedo();  // cuts it again
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_TRUE(doc.CanCreate(CreateKind::Camera));

    doc.OnEditPaste();  // a pasted camera becomes the camera; undo takes it away, clearing the flag
    CPovObject* pasted = doc.Objects;
    EXPECT_EQ(doc.Camera, pasted);
    doc.OnEditUndo();
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.CameraChanged, 0);
    EXPECT_EQ(doc.Objects, camera);

    // a new camera made after the cut goes before the cut comes back
    doc.OnCreate(CreateKind::Camera);
    CPovObject* second = doc.Camera;
    ASSERT_NE(second, camera);
    doc.OnEditUndo();
    doc.OnEditUndo();
    EXPECT_EQ(doc.Camera, camera);
    EXPECT_EQ(doc.Objects, camera);
}

TEST_F(EditHistoryTest, CsgMembersMoveInOneStepAndAGroupNeverGoesIntoItself) {
    COrvantaDoc doc;
    auto* group = new CPovCSG();
    doc.InsertObject(group);
    CPovObject* a = AddBox(doc, "A");
    CPovObject* b = AddBox(doc, "B");
    const std::string before = Write(doc);
    {
        EditStep step(doc, StepLabel("CSG-Elemente", *group));
        EXPECT_TRUE(doc.MoveObject(*a, group, nullptr));
        EXPECT_TRUE(doc.MoveObject(*b, group, a));  // B behind A: the group's base is A
        EXPECT_FALSE(doc.MoveObject(*group, group, nullptr));
        EXPECT_FALSE(doc.MoveObject(*group, a, nullptr));
    }
    EXPECT_EQ(group->FirstChild, a);
    EXPECT_EQ(a->NextSibling, b);
    EXPECT_EQ(doc.Objects, group);
    const std::string after = Write(doc);
    EXPECT_EQ(doc.History().UndoLabel(), "CSG-Elemente CSG_000");

    doc.OnEditUndo();
    EXPECT_EQ(Write(doc), before);
    EXPECT_EQ(group->FirstChild, nullptr);
    EXPECT_EQ(a->Parent, nullptr);
    doc.OnEditRedo();
    EXPECT_EQ(Write(doc), after);
    EXPECT_EQ(b->Parent, group);
}

TEST_F(EditHistoryTest, AHundredStepsAreKeptAndTheCleanPointRulesTheModifiedMark) {
    COrvantaDoc doc;
    CPovObject* box = AddBox(doc, "A");
    box->Select(front);
    std::vector<std::string> texts{Write(doc)};
    auto drag = [&](double dx) {
        EditStep step(doc, StepLabel("Verschieben", *box));
        step.Record(*box);
        box->MoveBy(dx, 0, front);
    };
    for (int i = 0; i < 150; ++i) {
        drag(1.0);
        texts.push_back(Write(doc));
    }
    EXPECT_EQ(doc.History().UndoCount(), 100u);
    EXPECT_EQ(doc.History().UndoLabel(), "Verschieben A");
    while (doc.OnEditUndo(), doc.History().CanUndo()) {
    }
    EXPECT_EQ(Write(doc), texts[50]);  // the oldest 50 steps are gone

    // a click without a move is no step
    {
        EditStep click(doc, StepLabel("Verschieben", *box));
        click.Record(*box);
    }
    EXPECT_EQ(doc.History().RedoCount(), 100u);

    // saving marks the clean point; undo and redo move away from it and back
    for (int i = 0; i < 3; ++i)
        doc.OnEditRedo();
    doc.SetModifiedFlag(false);
    doc.History().MarkClean();
    doc.OnEditRedo();
    EXPECT_TRUE(doc.IsModified());
    doc.OnEditUndo();
    EXPECT_FALSE(doc.IsModified());
    doc.OnEditUndo();
    EXPECT_TRUE(doc.IsModified());
    doc.OnEditRedo();
    EXPECT_FALSE(doc.IsModified());
    // a copy marks the document modified, as it always did, but changes nothing undo can't reach
    doc.OnEditCopy();
    EXPECT_TRUE(doc.IsModified());
    doc.OnEditRedo();
    doc.OnEditUndo();
    EXPECT_FALSE(doc.IsModified());

    // a new change after an undo past the clean point drops the redo steps, and the saved state
    // can no longer be reached
    doc.OnEditUndo();
    drag(-5.0);
    EXPECT_FALSE(doc.History().CanRedo());
    doc.OnEditUndo();
    EXPECT_TRUE(doc.IsModified());
    // and a change made outside every step does the same
    doc.SetModifiedFlag(false);
    doc.History().MarkClean();
    box->MoveBy(1, 0, front);
    doc.OnEditRedo();
    doc.OnEditUndo();
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
