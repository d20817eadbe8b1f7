// The texts of the status bar's selection, position and coordinate panes.
#include <gtest/gtest.h>

#include "model/solids/pov_cubic.h"
#include "tests/view/view_fixture.h"
#include "view/status_panes.h"

namespace {

TEST_F(ViewTest, PanesWithoutACurrentObject) {
    const PaneState selection = SelectionPaneState(doc.get());
    EXPECT_FALSE(selection.enabled);
    EXPECT_EQ(selection.text, "Keine Objekt selektiert");
    EXPECT_EQ(PositionPaneState(doc.get()).text, "");
    EXPECT_TRUE(PositionPaneState(doc.get()).enabled);
    EXPECT_FALSE(SelectionPaneState(nullptr).enabled);
}

TEST_F(ViewTest, PanesShowTheCurrentObjectsNameAndPosition) {
    TestView& v = AddView(kFrontView);
    auto* box = new CPovCubic();
    doc->InsertObject(box);
    box->SetPosition(Vector(1.5, -2, 3.25));
    box->Select(*v);
    const PaneState selection = SelectionPaneState(doc.get());
    EXPECT_TRUE(selection.enabled);
    EXPECT_EQ(selection.text, "Quader_000");
    EXPECT_EQ(PositionPaneState(doc.get()).text, "x: 1.50 y: -2.00 z: 3.25 ");
}

TEST_F(ViewTest, CoordinatePaneTakesTheTextOnce) {
    std::string text = "x: 1.00  y: 2.00";
    EXPECT_EQ(TakeCoordinatePaneText(text), "x: 1.00  y: 2.00");
    EXPECT_EQ(text, "");
    EXPECT_EQ(TakeCoordinatePaneText(text), std::nullopt);  // the pane keeps its text
}

}  // namespace
