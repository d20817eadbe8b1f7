// The mouse tools' changes as steps of the history: a drag from press to release, a resize, a
// property sheet; and a view lets go of an object that undo takes out of the scene.
#include <gtest/gtest.h>

#include "document/edit_history.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/scripted_editor_host.h"
#include "resources/command_ids.h"
#include "tests/support/scene_text_support.h"
#include "tests/view/view_fixture.h"

namespace {

class DragStepsTest : public ViewTest {
  protected:
    // a front view 400 x 300 with the world origin at pixel (200, 150), and a box there
    void SetUp() override {
        ViewTest::SetUp();
        view = &AddView(kFrontView, 400, 300);
        (*view)->Active = 1;
        view->bars.SetPosition(ScrollBar::Horizontal, -20);
        view->bars.SetPosition(ScrollBar::Vertical, 15);
        box = new CPovCubic();
        box->ScaleStep() = Vector(2, 2, 2);
        box->UpdateGeometry();
        doc->InsertObject(box);
    }
    // from the box's centre, `moves` moves of dx pixels each
    void Drag(int dx, int moves) {
        const int x = 200 + static_cast<int>(box->Translation().X * 10);
        (*view)->OnLButtonDown(x, 150);
        for (int i = 1; i <= moves; ++i)
            (*view)->OnMouseMove(x + dx * i, 150);
        (*view)->OnLButtonUp(x + dx * moves, 150);
    }

    TestView* view = nullptr;
    CPovCubic* box = nullptr;
};

TEST_F(DragStepsTest, ADragOfManyMovesIsOneStepAndAClickIsNone) {
    EditHistory& history = doc->History();
    const std::string start = Write(*doc);
    Drag(0, 0);
    EXPECT_FALSE(history.CanUndo());

    Drag(5, 4);  // 20 pixels at zoom 10
    EXPECT_DOUBLE_EQ(box->Translation().X, 2.0);
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_EQ(history.UndoLabel(), "Verschieben Quader_000");
    const std::string moved = Write(*doc);

    (*view)->OnCommand(ID_TOOL_RESIZE);
    Drag(10, 1);
    EXPECT_EQ(history.UndoLabel(), "Größe ändern Quader_000");
    EXPECT_DOUBLE_EQ(box->ScaleStep().X, 3.0);

    const int redraws = view->window.redraws;
    EXPECT_TRUE((*view)->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Write(*doc), moved);
    EXPECT_GT(view->window.redraws, redraws);  // the views follow
    EXPECT_TRUE((*view)->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Write(*doc), start);
    EXPECT_FALSE((*view)->GetCommandState(ID_EDIT_UNDO).enabled);
    EXPECT_TRUE((*view)->GetCommandState(ID_EDIT_REDO).enabled);
    EXPECT_TRUE((*view)->OnCommand(ID_EDIT_REDO));
    EXPECT_EQ(Write(*doc), moved);
    EXPECT_EQ(history.RedoLabel(), "Größe ändern Quader_000");
}

TEST_F(DragStepsTest, APropertySheetIsOneStepWhateverItReturns) {
    ScopedEditorHost editor;
    editor.edit = [](CPovObject& o) { o.Name = "Kiste"; };
    editor.result = kDialogCancel;  // what a page applied at once stays, as its own step
    (*view)->OnLButtonDown(200, 150);
    (*view)->OnLButtonUp(200, 150);
    (*view)->OnLButtonDblClk(200, 150);
    EXPECT_EQ(doc->History().UndoLabel(), "Eigenschaften Quader_000");
    doc->OnEditUndo();
    EXPECT_EQ(box->Name, "Quader_000");
}

TEST_F(DragStepsTest, AViewLetsGoOfAnObjectThatUndoTakesOutOfTheScene) {
    box->Select(**view);
    doc->OnEditCopy();
    doc->OnEditPaste();
    CPovObject* pasted = doc->Objects;
    ASSERT_NE(pasted, box);
    (*view)->OnLButtonDown(200, 150);  // picks the pasted copy, which lies on top
    (*view)->OnLButtonUp(200, 150);
    ASSERT_EQ((*view)->SelectedObject, pasted);
    doc->OnEditUndo();
    EXPECT_EQ((*view)->SelectedObject, nullptr);
    EXPECT_EQ(doc->CurrentObject, nullptr);
    // a new change frees the copy with the redo step; the view never touches it again
    Drag(3, 2);
    EXPECT_FALSE(doc->History().CanRedo());
    EXPECT_EQ((*view)->SelectedObject, box);
}

}  // namespace
