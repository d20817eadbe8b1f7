// The object browser's tree and its edit, delete and go-to actions, without a window.
#include <gtest/gtest.h>

#include "app/logic/object_browser_model.h"
#include "document/creation_commands.h"
#include "model/groups/pov_csg.h"
#include "model/solids/pov_sphere.h"
#include "platform/fake/scripted_editor_host.h"
#include "resources/string_table.h"
#include "tests/view/view_fixture.h"

namespace {

class ObjectBrowserTest : public ViewTest {
  protected:
    // the texts of a node's children, in tree order
    static std::vector<std::string> ChildTexts(const ObjectBrowserModel& m, int node) {
        std::vector<std::string> texts;
        for (int c : m.Nodes()[static_cast<size_t>(node)].children)
            texts.push_back(m.Nodes()[static_cast<size_t>(c)].text);
        return texts;
    }
    CPovObject* Named(CreateKind kind, const char* name) {
        CPovObject* o = doc->OnCreate(kind);
        o->Name = name;
        return o;
    }
};

TEST_F(ObjectBrowserTest, TheTreeListsObjectsInPreOrderSortedAmongSiblingsWithDeletedMarks) {
    TestView& front = AddView(kFrontView);
    CPovObject* zebra = Named(CreateKind::Sphere, "zebra");
    Named(CreateKind::Box, "Apfel");
    CPovObject* gone = Named(CreateKind::Cone, "mitte");
    gone->SetPresent(false);
    // a group with two members, added in the order b, a
    auto* group = new CPovCSG();
    group->Name = "Gruppe";
    doc->InsertObject(group);
    for (const char* name : {"b_member", "a_member"}) {
        auto* member = new CPovSphere();
        member->Name = name;
        AppendChild(group, member);
    }
    Named(CreateKind::Texture, "Textur_9");

    ObjectBrowserModel model(*doc, false);
    model.Fill();
    ASSERT_EQ(model.Roots().size(), 2u);
    const int objects = model.Roots()[0];
    EXPECT_EQ(model.Nodes()[static_cast<size_t>(objects)].text, "Objekte");
    EXPECT_TRUE(model.Nodes()[static_cast<size_t>(objects)].expanded);
    EXPECT_EQ(ChildTexts(model, objects),
              (std::vector<std::string>{"Apfel", "Gruppe", "mitte !! GELÖSCHT !!", "zebra"}));
    const int groupNode = model.NodeOf(group);
    EXPECT_EQ(ChildTexts(model, groupNode), (std::vector<std::string>{"a_member", "b_member"}));
    EXPECT_TRUE(model.Nodes()[static_cast<size_t>(groupNode)].expanded);
    // nodes come in pre-order: the group before its members
    EXPECT_LT(groupNode, model.NodeOf(group->FirstChild));

    // surfaces: the texture directly, no definitions item without halos and pigments
    const int surfaces = model.Roots()[1];
    EXPECT_EQ(model.Nodes()[static_cast<size_t>(surfaces)].text, "Oberflächen");
    EXPECT_EQ(ChildTexts(model, surfaces), (std::vector<std::string>{"Textur_9"}));
    // nothing selected: no item to show; else the selected object's
    EXPECT_EQ(model.ShowNode(), -1);
    zebra->Select(*front);
    model.Fill();
    EXPECT_EQ(model.ShowNode(), model.NodeOf(zebra));

    // with a pigment, the definitions item holds halos and pigments
    doc->OnCreate(CreateKind::Pigment);
    model.Fill();
    const std::vector<std::string> withDefinitions = ChildTexts(model, model.Roots()[1]);
    ASSERT_EQ(withDefinitions.size(), 2u);
    EXPECT_EQ(withDefinitions[0], "(Definitionen Oberflächenteilen)");
    const int definitions = model.Nodes()[static_cast<size_t>(model.Roots()[1])].children[0];
    EXPECT_EQ(ChildTexts(model, definitions), (std::vector<std::string>{"Halos", "Pigmente"}));

    // the go-to dialog lists the objects only
    ObjectBrowserModel goTo(*doc, true);
    goTo.Fill(group);
    EXPECT_EQ(goTo.Roots().size(), 1u);
    EXPECT_EQ(goTo.ShowNode(), goTo.NodeOf(group));
    EXPECT_EQ(ObjectBrowserModel::CountItems(*doc), 8u);
}

TEST_F(ObjectBrowserTest, GoToScrollsEachViewKindSoThatTheBoxCentreIsInTheMiddle) {
    CPovSphere sphere;
    sphere.MinX = 3.4;
    sphere.MaxX = 9.0;  // centre 6.2 -> 6
    sphere.MinY = -4.0;
    sphere.MaxY = -1.0;  // centre -2.5 -> -2
    sphere.MinZ = 10.0;
    sphere.MaxZ = 20.0;  // centre 15
    // zoom 10, client 400 x 300: half the client is 20 x 15 world units
    const ScrollPositions top = GoToScrollPositions(sphere, kTopView, 10.7, 400, 300);
    EXPECT_EQ(top.horizontal, 6 - 20);
    EXPECT_EQ(top.vertical, 15 - 15);
    const ScrollPositions side = GoToScrollPositions(sphere, kSideView, 10, 400, 300);
    EXPECT_EQ(side.horizontal, 15 - 20);
    EXPECT_EQ(side.vertical, 15 + 2);
    const ScrollPositions front = GoToScrollPositions(sphere, kFrontView, 10, 400, 300);
    EXPECT_EQ(front.horizontal, 6 - 20);
    EXPECT_EQ(front.vertical, 15 + 2);
}

TEST_F(ObjectBrowserTest, GoToSelectsAndCentresAPresentObjectAndOnlyClosesForADeletedOne) {
    TestView& front = AddView(kFrontView, 400, 300);
    front->OnActivate(true);
    CPovObject* near = Named(CreateKind::Sphere, "nah");
    CPovObject* far = Named(CreateKind::Box, "fern");
    far->SetPosition(Vector(30, 12, 0));
    ObjectBrowserModel model(*doc, true);
    model.Fill();

    EXPECT_FALSE(model.GoTo(model.Roots()[0], *front, front.bars));  // a group item: stays open
    EXPECT_FALSE(near->IsSelected());
    ASSERT_TRUE(model.GoTo(model.NodeOf(far), *front, front.bars));
    EXPECT_TRUE(far->IsSelected());
    EXPECT_EQ(doc->CurrentObject, far);
    // the centre of the view shows the box's centre (to whole units)
    const Vector centre = front->GetViewCentre();
    EXPECT_NEAR(centre.X, 30, 1.0);
    EXPECT_NEAR(centre.Y, 12, 1.0);

    const int h = front.bars.Position(ScrollBar::Horizontal);
    near->SetPresent(false);
    model.Fill();
    EXPECT_TRUE(model.GoTo(model.NodeOf(near), *front, front.bars));
    EXPECT_FALSE(near->IsSelected());
    EXPECT_FALSE(far->IsSelected());
    EXPECT_EQ(front.bars.Position(ScrollBar::Horizontal), h);
}

TEST_F(ObjectBrowserTest, DeleteMarksTheObjectCopiesItAndUndoBringsItBack) {
    AddView(kFrontView)->OnActivate(true);
    CPovObject* sphere = Named(CreateKind::Sphere, "Kugel");
    doc->SetModifiedFlag(false);
    ObjectBrowserModel model(*doc, false);
    model.Fill();
    EXPECT_FALSE(model.Delete(model.Roots()[0]));
    ASSERT_TRUE(model.Delete(model.NodeOf(sphere)));
    EXPECT_FALSE(sphere->IsPresent());
    EXPECT_EQ(doc->CurrentObject, nullptr);
    EXPECT_TRUE(doc->IsModified());
    ASSERT_NE(ClipboardObject, nullptr);
    EXPECT_EQ(ClipboardObject->GetType(), kKindSphere);
    // the tree shows it again, marked, as the item to show
    EXPECT_EQ(model.ShowNode(), model.NodeOf(sphere));
    EXPECT_EQ(model.Nodes()[static_cast<size_t>(model.ShowNode())].text, "Kugel !! GELÖSCHT !!");
    // one step, named after the browser's command, that undo takes back and redo does again
    EXPECT_EQ(doc->History().UndoCount(), 2u);  // the creation and the deletion
    EXPECT_EQ(doc->History().UndoLabel(), "Löschen Kugel");
    ASSERT_TRUE(doc->History().Undo());
    EXPECT_TRUE(sphere->IsPresent());
    ASSERT_TRUE(doc->History().Redo());
    EXPECT_FALSE(sphere->IsPresent());
}

TEST_F(ObjectBrowserTest, EditRenamesTheItemRefillsForAGroupAndLeavesViewsAloneForATexture) {
    TestView& front = AddView(kFrontView);
    ScopedEditorHost host;
    CPovObject* sphere = Named(CreateKind::Sphere, "alt");
    CPovObject* texture = Named(CreateKind::Texture, "T");
    auto* group = new CPovCSG();
    group->Name = "G";
    doc->InsertObject(group);
    ObjectBrowserModel model(*doc, false);
    model.Fill();

    host.edit = [](CPovObject& o) { o.Name = "neu"; };
    const int node = model.NodeOf(sphere);
    int redraws = front.window.redraws;
    const size_t steps = doc->History().UndoCount();
    EXPECT_EQ(model.Edit(node), ObjectBrowserModel::EditResult::Renamed);
    EXPECT_EQ(model.Nodes()[static_cast<size_t>(node)].text, "neu");
    EXPECT_GT(front.window.redraws, redraws);
    // the sheet's OK is one step
    EXPECT_EQ(doc->History().UndoCount(), steps + 1);
    EXPECT_EQ(doc->History().UndoLabel(), "Eigenschaften alt");

    host.edit = [](CPovObject& o) { AppendChild(&o, new CPovSphere()); };
    EXPECT_EQ(model.Edit(model.NodeOf(group)), ObjectBrowserModel::EditResult::Refilled);
    EXPECT_EQ(model.Nodes()[static_cast<size_t>(model.NodeOf(group))].children.size(), 1u);
    EXPECT_EQ(model.ShowNode(), model.NodeOf(group));

    host.edit = nullptr;
    redraws = front.window.redraws;
    EXPECT_EQ(model.Edit(model.NodeOf(texture)), ObjectBrowserModel::EditResult::Nothing);
    EXPECT_EQ(front.window.redraws, redraws);

    // cancelled, or a deleted object: nothing happens
    host.result = kDialogCancel;
    host.edit = [](CPovObject& o) { o.Name = "x"; };
    EXPECT_EQ(model.Edit(model.NodeOf(sphere)), ObjectBrowserModel::EditResult::Nothing);
    host.result = kDialogOk;
    sphere->SetPresent(false);
    const size_t opened = host.edited.size();
    EXPECT_EQ(model.Edit(model.NodeOf(sphere)), ObjectBrowserModel::EditResult::Nothing);
    EXPECT_EQ(host.edited.size(), opened);
}

}  // namespace
