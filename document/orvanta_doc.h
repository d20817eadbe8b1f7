// One open scene: its objects in four lists (newest first), its special objects, its settings
// and view values, its history of changes, and the commands that cut, copy, paste, undo and
// redo, switch the mouse tool and place new objects in the active view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/atomic_file.h"
#include "document/edit_history.h"
#include "document/orvanta_options.h"
#include "document/scene_reader.h"
#include "model/scene_host.h"

class CPovObject;
class IViewPort;
enum class CreateKind;

// The one deep copy of a scene object that cut and copy leave for paste; shared by all
// documents and emptied whenever a document closes.
extern CPovObject* ClipboardObject;

class COrvantaDoc : public CSceneHost {
  public:
    COrvantaDoc();
    ~COrvantaDoc() override;
    COrvantaDoc(const COrvantaDoc&) = delete;
    COrvantaDoc& operator=(const COrvantaDoc&) = delete;

    // The modified flag. A change outside every step of the history means that undo cannot
    // bring back the saved state.
    void SetModifiedFlag(bool modified = true) override;
    bool IsModified() const override { return modified_; }

    // the history of changes for undo and redo; closing the document drops it
    EditHistory& History() { return history_; }
    const EditHistory& History() const { return history_; }
    std::string GetSceneFolder() const override;

    // the file the document was read from or last saved to; empty for a new document
    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(const std::string& path) { pathName_ = path; }
    // The document's file had parts that were not read (the problems of the read): saving over
    // it loses them, so the save command asks first. A save clears the mark.
    bool IsIncompleteRead() const { return incompleteRead_; }
    // "Script" for a new document, else the file name without folder
    std::string GetTitle() const;

    // Views: the document places new objects in the first active one and tells all of them
    // about changes.
    void AddView(IViewPort* view);
    void RemoveView(IViewPort* view);
    const std::vector<IViewPort*>& GetViews() const { return views_; }
    IViewPort* GetActiveView() const;
    // every view but the sender redraws
    void UpdateAllViews(IViewPort* sender = nullptr);

    // Puts a new object at the head of its list and attaches it to this document.
    void InsertObject(CPovObject* object);
    void InsertTexture(CPovObject* texture);
    void InsertHalo(CPovObject* halo);
    void InsertPigment(CPovObject* pigment);
    // Moves object to the centre of the active view and makes it the only selected object;
    // without an active view the object keeps its place and stays unselected.
    void PlaceNewObject(CPovObject* object);
    // Moves object (a top-level object or a group member) among the members of group, or to the
    // top level when group is none, right behind `after` (at the head when none), rebuilds the
    // object's geometry and records the move in the open step. The groups' bounds follow when
    // the caller rebuilds the groups after its moves (once, however many members moved). False,
    // and nothing moves, when group is object or one of its members, when the groups would
    // then nest deeper than kMaxGroupDepth or `after` is not in the target list.
    bool MoveObject(CPovObject& object, CPovObject* group, CPovObject* after);
    // Objects that left the scene with everything they hold (undo took them out): the current
    // object and the views' picked objects let go of them.
    void ForgetObjects(const std::vector<CPovObject*>& roots);

    // Writes the scene file; on success the document takes the path, counts as unmodified and
    // marks the clean point of its history. On failure the previous file is untouched and the
    // error says why.
    FileResult OnSaveDocument(const std::string& path);
    // Writes the current object alone; nothing happens without a present current object.
    FileResult SaveSelectedObject(const std::string& path);
    // Reads a scene file into this (new) document: the author data and comment are emptied
    // first, the markers restore them and the view values, and the lists get the order they
    // had when the file was saved. Problems do not make opening fail: what was read stays,
    // and the result lists the problems for the caller to show. The history starts empty.
    SceneReadResult OnOpenDocument(const std::string& path, const SceneReadOptions& options = {});
    // Reads the objects of a file into this document; markers in the file overwrite the
    // settings. The newest object read is placed in the active view. One step of the history.
    SceneReadResult LoadObjectsFromFile(const std::string& path,
                                        const SceneReadOptions& options = {});

    // The creation commands of the "&Erzeugen" menu: construct the element with its defaults,
    // insert it, place it in the active view and/or open its property sheet, mark the
    // document modified. Returns the element (the camera command may return the old camera).
    CPovObject* OnCreate(CreateKind kind);
    // the document's enable rules: one camera, one background, one sky sphere
    bool CanCreate(CreateKind kind) const;

    // Edit commands. Cut and paste are steps of the history; a copy changes nothing in the
    // scene and is none.
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditUndo();
    void OnEditRedo();
    // mouse tools
    void OnToolMove() { ResizeMode = 0; }
    void OnToolResize() { ResizeMode = ResizeMode ? 0 : 1; }

    // scene settings carried by the scene file
    std::string& Author() { return Settings->Author.Name; }
    std::string& Company() { return Settings->Author.Company; }
    std::string& Comment() { return Settings->Author.MoreInfo; }
    bool& ShowInfos() { return Settings->Author.ShowInfoAlways; }
    int& Pov3() { return Settings->Includes.PovVersion30; }
    std::vector<std::string>& UserIncludes() { return Settings->Includes.AdditionalIncludes; }

    std::string HelpFilePath;
    CPovObject* Textures = nullptr;
    CPovObject* Halos = nullptr;
    CPovObject* Pigments = nullptr;
    // the scene's camera, background and sky sphere (they are also in Objects)
    CPovObject* Camera = nullptr;
    CPovObject* Background = nullptr;
    CPovObject* SkySphere = nullptr;
    int CameraChanged = 0;
    int ResizeMode = 0;
    std::unique_ptr<COrvantaOptions> Settings;
    double GridFront = 0.0;
    double GridRight = 0.0;
    double GridTop = 0.0;
    int ZoomFront = 0;
    int ZoomRight = 0;
    int ZoomTop = 0;

  private:
    CPovObject* CreateCamera();

    bool modified_ = false;
    bool incompleteRead_ = false;
    std::string pathName_;
    std::vector<IViewPort*> views_;
    EditHistory history_{*this};
};

// The current document as the document class (CurrentDocument holds it as a scene host).
COrvantaDoc* CurrentOrvantaDoc();
