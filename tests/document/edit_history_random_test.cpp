// Long random sequences of every kind of change, with undos, redos and saves mixed in: after
// every undo and redo the scene text must be byte for byte the text written when the history
// stood at that point, the camera, background and sky sphere the same objects, the lists
// linked soundly, and the modified mark must follow the clean point.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>

#include "document/creation_commands.h"
#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/groups/pov_csg.h"
#include "model/pov_object.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/model_test.h"
#include "tests/support/scene_text_support.h"

namespace {

class EditHistoryRandomTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvanta-history-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        ModelTest::TearDown();
    }

    // The scene text, and which objects are the document's camera, background and sky sphere.
    static std::string State(const COrvantaDoc& doc) {
        std::ostringstream specials;
        specials << doc.Camera << ' ' << doc.Background << ' ' << doc.SkySphere;
        return Write(doc) + specials.str();
    }

    // Every list's links agree both ways, and members point at their group and the document.
    static bool LinksHold(const COrvantaDoc& doc, const CPovObject* first,
                          const CPovObject* parent) {
        const CPovObject* previous = nullptr;
        for (const CPovObject* o = first; o; previous = o, o = o->NextSibling)
            if (o->PrevSibling != previous || o->Parent != parent || o->Document != &doc ||
                !LinksHold(doc, o->FirstChild, o))
                return false;
        return true;
    }
    static bool LinksHold(const COrvantaDoc& doc) {
        for (const CPovObject* list : {doc.Objects, doc.Textures, doc.Halos, doc.Pigments})
            if (!LinksHold(doc, list, nullptr))
                return false;
        return true;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    double Value() { return std::uniform_int_distribution<int>(-40, 40)(random_) * 0.25; }

    // every object of the scene tree, members too
    static void Collect(CPovObject* first, std::vector<CPovObject*>& out) {
        for (CPovObject* o = first; o; o = o->NextSibling) {
            out.push_back(o);
            Collect(o->FirstChild, out);
        }
    }
    CPovObject* AnyObject(COrvantaDoc& doc, bool topLevelOnly, bool presentOnly = true) {
        std::vector<CPovObject*> all;
        if (topLevelOnly) {
            for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
                all.push_back(o);
        } else {
            Collect(doc.Objects, all);
            for (CPovObject* list : {doc.Textures, doc.Halos, doc.Pigments})
                for (CPovObject* o = list; o; o = o->NextSibling)
                    all.push_back(o);
        }
        std::erase_if(all, [&](CPovObject* o) { return presentOnly && !o->IsPresent(); });
        return all.empty() ? nullptr : all[Pick(static_cast<int>(all.size()))];
    }

    // what a property sheet might change on OK
    void EditFields(CPovObject& o) {
        switch (Pick(4)) {
            case 0:
                o.Name = "Umbenannt_" + std::to_string(Pick(1000));
                break;
            case 1:
                if (o.Steps.size() > kStepScale)
                    o.ScaleStep() = Vector(1 + Pick(4), 1 + Pick(4), 1 + Pick(4));
                break;
            case 2:
                o.UseOwnTexture = 1;
                o.TextureName = "T_Stone" + std::to_string(1 + Pick(9));
                o.QuickColorR = Pick(11) / 10.0;
                break;
            default:
                o.Hollow = !o.Hollow;
                break;
        }
        o.UpdateGeometry();
    }

    void Drag(COrvantaDoc& doc, FakeViewPort& view) {
        CPovObject* o = AnyObject(doc, Pick(3) != 0);
        if (!o || !o->HasGeometry())
            return;
        o->Select(view);
        const bool resize = Pick(2) == 0;
        // what the view does from the press to the release
        EditHistory& history = doc.History();
        history.Begin(StepLabel(resize ? "Größe ändern" : "Verschieben", *o));
        history.RecordObject(*o);
        for (int i = Pick(4); i > 0; --i) {
            if (resize) {
                o->ResizeBy(Value(), Value(), view);
                o->MoveBy(Value() * 0.5, Value() * 0.5, view);
            } else {
                o->MoveBy(Value(), Value(), view);
            }
        }
        history.Commit();
    }

    void ChangeMembers(COrvantaDoc& doc) {
        std::vector<CPovObject*> groups;
        for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
            if (o->GetType() == kKindCSG && o->IsPresent())
                groups.push_back(o);
        if (groups.empty())
            return;
        CPovObject* group = groups[Pick(static_cast<int>(groups.size()))];
        // as the group's element page does on OK: some members out, some objects in
        EditStep step(doc, StepLabel("CSG-Elemente", *group));
        for (CPovObject* c = group->FirstChild; c;) {
            CPovObject* next = c->NextSibling;
            if (Pick(3) == 0)
                doc.MoveObject(*c, nullptr, nullptr);
            c = next;
        }
        for (int i = 1 + Pick(3); i > 0; --i) {
            CPovObject* o = AnyObject(doc, true);
            if (o && o != group && o->CanBeCsgElement())
                doc.MoveObject(*o, group, Pick(2) ? group->FirstChild : nullptr);
        }
        group->UpdateGeometry();
    }

    void ChangeSettings(COrvantaDoc& doc) {
        EditStep step(doc, StepLabel("Einstellungen"));
        doc.History().RecordSettings();
        switch (Pick(4)) {
            case 0:
                doc.Author() = "Autor " + std::to_string(Pick(100));
                break;
            case 1:
                doc.Comment() = "Zeile " + std::to_string(Pick(100)) + "\r\nnoch eine";
                break;
            case 2:
                doc.Pov3() = !doc.Pov3();
                break;
            default:
                doc.UserIncludes().push_back("datei" + std::to_string(Pick(100)) + ".inc");
                break;
        }
    }

    // A file with a sphere, a texture, markers and a group that takes a present top-level
    // object of the scene by its name.
    void Load(COrvantaDoc& doc) {
        const std::string path = (folder_ / "teil.inc").string();
        std::string text = "//$author:$ Geladen " + std::to_string(Pick(10)) +
                           "\r\n//$zoom front:$ " + std::to_string(5 + Pick(20)) + ".0000\r\n";
        text +=
            "#declare Textur_L = texture {\r\n\tpigment {\r\n\t\tcolor rgb < 1.000 0.500 "
            "1.000 > filter 0.0\r\n\t}\r\n}\r\n\r\n";
        CPovObject* taken = AnyObject(doc, true);
        if (taken && taken->CanBeCsgElement() && taken->GetType() != kKindCSG) {
            // with a second object of the same name now and then
            if (Pick(2))
                text += ObjectSceneText(*taken);
            text += "\r\n#declare CSG_L = union {\r\n\tobject { " + taken->Name +
                    " }\r\n  scale <1.0000,1.0000,1.0000>\r\n  rotate <0.0000,0.0000,0.0000>\r\n"
                    "  translate <1.0000,2.0000,3.0000>\r\n}\r\n\r\nobject {\r\n  CSG_L\r\n}\r\n";
        }
        std::ofstream(path, std::ios::binary) << text;
        doc.LoadObjectsFromFile(path);
        if (taken && taken->Parent)
            ++takenIntoGroups_;
    }

    std::mt19937 random_{20261208};
    // loads whose group took an object that was in the scene before
    int takenIntoGroups_ = 0;
    std::filesystem::path folder_;
};

TEST_F(EditHistoryRandomTest, UndoAndRedoGiveBackTheSceneTextOfEveryPointOfTheHistory) {
    ScopedEditorHost editor;
    editor.edit = [this](CPovObject& o) { EditFields(o); };
    COrvantaDoc doc;
    doc.History().SetDepth(1000);
    FakeViewPort view(kFrontView);
    doc.AddView(&view);
    const std::string savePath = (folder_ / "szene.om").string();

    // texts[i]: the scene text with i steps done
    std::deque<std::string> texts{State(doc)};
    size_t done = 0;
    std::optional<size_t> clean = 0;
    const auto& kinds = CreateKinds();
    int undos = 0, redos = 0, steps = 0;

    for (int round = 0; round < 1500; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const size_t redoBefore = doc.History().RedoCount();
        view.centre = Vector(Value(), Value(), Value());
        const int action = Pick(20);
        if (action < 6) {
            // back a few steps, and often forward again part of the way
            const int back = 1 + Pick(5);
            for (int i = 0; i < back && doc.History().CanUndo(); ++i, ++undos) {
                ASSERT_TRUE(doc.History().Undo());
                --done;
                ASSERT_EQ(State(doc), texts[done]);
                ASSERT_TRUE(LinksHold(doc));
                ASSERT_EQ(doc.IsModified(), clean != done);
            }
            const int forward = action < 4 ? Pick(back + 1) : 0;
            for (int i = 0; i < forward && doc.History().CanRedo(); ++i, ++redos) {
                ASSERT_TRUE(doc.History().Redo());
                ++done;
                ASSERT_EQ(State(doc), texts[done]);
                ASSERT_TRUE(LinksHold(doc));
                ASSERT_EQ(doc.IsModified(), clean != done);
            }
            continue;
        }
        switch (action) {
            case 6:
            case 7:
            case 8: {
                const CreateKind kind = Pick(5) == 0
                                            ? CreateKind::Csg
                                            : kinds[Pick(static_cast<int>(kinds.size()))].kind;
                editor.result = Pick(2) ? kDialogOk : kDialogCancel;
                if (doc.CanCreate(kind))
                    doc.OnCreate(kind);
                break;
            }
            case 9:
            case 10:
                Drag(doc, view);
                break;
            case 11:
                if (CPovObject* o = AnyObject(doc, true)) {
                    o->Select(view);
                    doc.OnEditCut();
                }
                break;
            case 12:
                if (CPovObject* o = AnyObject(doc, true)) {
                    o->Select(view);
                    doc.OnEditCopy();
                }
                break;
            case 13:
                if (!(ClipboardObject && ClipboardObject->GetType() == kKindCamera && doc.Camera))
                    doc.OnEditPaste();
                break;
            case 14:
                Load(doc);
                break;
            case 15:
                ChangeMembers(doc);
                break;
            case 16:
                ChangeSettings(doc);
                break;
            case 17:
                if (CPovObject* o = AnyObject(doc, false)) {
                    EditStep step(doc, StepLabel("Eigenschaften", *o));
                    step.Record(*o);
                    EditFields(*o);
                }
                break;
            default:
                ASSERT_TRUE(doc.OnSaveDocument(savePath).ok);
                clean = done;
                ASSERT_FALSE(doc.IsModified());
                continue;
        }
        if (doc.History().UndoCount() == done && doc.History().RedoCount() == redoBefore) {
            // no step: the scene must be as it was
            ASSERT_EQ(State(doc), texts[done]);
            continue;
        }
        ++steps;
        ASSERT_EQ(doc.History().UndoCount(), done + 1);
        ASSERT_EQ(doc.History().RedoCount(), 0u);
        texts.resize(done + 1);
        texts.push_back(State(doc));
        if (clean && *clean > done)
            clean.reset();
        ++done;
        ASSERT_TRUE(doc.IsModified());
    }
    // the sequences reached deep into the history both ways
    EXPECT_GT(steps, 400);
    EXPECT_GT(undos, 300);
    EXPECT_GT(redos, 150);
    EXPECT_GT(takenIntoGroups_, 8);
    while (doc.History().Undo())
        --done;
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(State(doc), texts[0]);
}

}  // namespace
