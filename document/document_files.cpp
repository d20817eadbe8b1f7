// The document's commands that read and write files.
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/pov_object.h"
#include "model/scene_text.h"

FileResult COrvantaDoc::OnSaveDocument(const std::string& path) {
    SceneText text;
    WriteSceneFile(*this, text);
    FileResult result = WriteFileAtomically(path, text.Text());
    if (result.ok) {
        SetPathName(path);
        SetModifiedFlag(false);
        history_.MarkClean();
    }
    return result;
}

FileResult COrvantaDoc::SaveSelectedObject(const std::string& path) {
    if (!CurrentObject || !CurrentObject->IsPresent())
        return {false, "No object is selected."};
    return WriteFileAtomically(path, ObjectSceneText(*CurrentObject, Pov3()));
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
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
    SetPathName(path);
    SetModifiedFlag(false);
    history_.Clear();
    history_.MarkClean();
    return result;
}

SceneReadResult COrvantaDoc::LoadObjectsFromFile(const std::string& path,
                                                 const SceneReadOptions& options) {
    CPovObject* head = Objects;
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
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
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
