// The document's commands that read and write files.
#include "document/object_files.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "model/scene_text.h"
#include "model/text_format.h"
#include "resources/ui_text.h"

FileResult COrvantaDoc::OnSaveDocument(const std::string& path) {
    SceneText text;
    WriteSceneFile(*this, text);
    FileResult result = WriteFileAtomically(path, text.Text());
    if (result.ok) {
        SetPathName(path);
        SetModifiedFlag(false);
        history_.MarkClean();
        incompleteRead_ = false;
    }
    return result;
}

FileResult COrvantaDoc::SaveSelectedObject(const std::string& path) {
    if (!CurrentObject || !CurrentObject->IsPresent())
        return {false, "No object is selected."};
    return WriteFileAtomically(path, ObjectFileText(*this, *CurrentObject, Pov3()));
}

SceneReadResult COrvantaDoc::OnOpenDocument(const std::string& path,
                                            const SceneReadOptions& options) {
    Comment().clear();
    std::string buffer;
    SceneReadResult failed;
    if (!LoadSceneFile(path, buffer, failed.error)) {
        failed.ok = false;
        return failed;
    }
    Author().clear();
    Company().clear();
    ShowInfos() = false;
    SceneReadResult result = ReadSceneBuffer(*this, buffer, true, options.progress);
    CurrentDocument = this;
    // the reader leaves the last object it read current, but nothing is drawn selected after
    // opening: no command may act on an object the user did not pick
    CurrentObject = nullptr;
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
    SetPathName(path);
    SetModifiedFlag(false);
    history_.Clear();
    history_.MarkClean();
    incompleteRead_ = !result.problems.empty();
    return result;
}

SceneReadResult COrvantaDoc::LoadObjectsFromFile(const std::string& path,
                                                 const SceneReadOptions& options) {
    CPovObject* head = Objects;
    CPovObject* current = CurrentObject;
    const DeclarationHeads declarations = CurrentDeclarationHeads(*this);
    std::string buffer;
    SceneReadResult failed;
    if (!LoadSceneFile(path, buffer, failed.error)) {
        failed.ok = false;
        return failed;
    }
    // the label names the file as the file system spells it
    const size_t slash = path.find_last_of('/');
    EditStep step(*this, StepLabel("Laden aus Datei") + " " +
                             path.substr(slash == std::string::npos ? 0 : slash + 1));
    history_.RecordLists();
    history_.RecordSettings();
    SceneReadResult result = ReadSceneBuffer(*this, buffer, false, options.progress);
    // the scene keeps its own texture, pigment or halo of a name the file declares again
    for (const std::string& name : DropRepeatedDeclarations(*this, declarations))
        result.problems.push_back(
            {0, orv::Utf8ToCp1252(orv::Format(
                    Tr("\"%s\" gibt es schon in der Szene; die Szene behält ihre Deklaration."),
                    orv::Cp1252ToUtf8(name)))});
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
    // the reader leaves the last thing it read current: the placed object below, or what was
    // current before
    CurrentObject = current;
    if (Objects != head) {
        // the new head may be an object that was there before (a group that failed to read
        // gives its members back)
        step.Record(*Objects);
        PlaceNewObject(Objects);
        UpdateAllViews();
        SetModifiedFlag(true);
    }
    return result;
}
