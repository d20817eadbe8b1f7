#include "render/render_commands.h"

#include <cstdlib>
#include <filesystem>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "document/povray_command.h"
#include "model/cp1252.h"
#include "model/pov_level.h"
#include "model/pov_object.h"
#include "platform/process_launcher.h"
#include "platform/prompts.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

// prompts take the core's Windows-1252 text
void Tell(const std::string& utf8) {
    GetPrompts().Message(orv::Utf8ToCp1252(utf8));
}
bool Ask(const std::string& utf8) {
    return GetPrompts().AskYesNo(orv::Utf8ToCp1252(utf8));
}

bool Contains(const CPovObject* head, const CPovObject* object) {
    for (const CPovObject* o = head; o; o = o->NextSibling)
        if (o == object || Contains(o->FirstChild, object))
            return true;
    return false;
}

}  // namespace

RenderCommands::RenderCommands(IRenderHost& host, IProcessLauncher& launcher,
                               RenderSession::Clock clock)
    : host_(host),
      launcher_(launcher),
      session_(launcher, std::move(clock)),
      choice_(LoadRenderChoice()) {
    session_.onState = [this] { OnState(); };
}

RenderCommands::~RenderCommands() {
    session_.onState = nullptr;
}

void RenderCommands::SetChoice(const RenderChoice& choice) {
    choice_ = choice;
    SaveRenderChoice(choice);
}

void RenderCommands::Run(COrvantaDoc& doc) {
    if (session_.IsActive() &&
        !Ask(Tr("POV-Ray rendert noch. Soll das laufende Rendern abgebrochen und neu begonnen "
                "werden?")))
        return;

    // the image is named after the scene file: a scene without one is saved first
    if (doc.GetPathName().empty()) {
        if (!Ask(Tr("Die Szene wurde noch nicht gespeichert. Das Bild erhält den Namen der "
                    "Szenendatei. Jetzt speichern?")) ||
            !host_.SaveDocument())
            return;
    } else if (doc.IsModified()) {
        std::string question = orv::Cp1252ToUtf8(LoadString(IDS_SAVE_CHANGES));
        if (const size_t at = question.find("%1"); at != std::string::npos)
            question.replace(at, 2, orv::Cp1252ToUtf8(doc.GetTitle()));
        switch (GetPrompts().AskYesNoCancel(orv::Utf8ToCp1252(question))) {
            case IPrompts::Answer::Cancel:
                return;
            case IPrompts::Answer::Yes:
                if (!host_.SaveDocument())
                    return;
                break;
            case IPrompts::Answer::No:
                break;
        }
    }

    for (const std::string& warning : RenderWarnings(doc))
        if (!Ask(warning + "\n\n" + Tr("Trotzdem rendern?")))
            return;

    // no program configured: POV-Ray from the PATH, and the dialog only when there is none
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    if (settings.Executables.Execute.empty()) {
        const char* path = std::getenv("PATH");
        if (FindProgram("povray", path ? path : "").empty()) {
            Tell(
                Tr("POV-Ray wurde im Suchpfad (PATH) nicht gefunden. Bitte geben Sie das "
                   "Programm an."));
            if (!host_.RunPovRaySettings())
                return;
            settings.Load();
            if (settings.Executables.Execute.empty() &&
                FindProgram("povray", path ? path : "").empty())
                return;
        }
    }
    if (!Prepare(doc))
        return;
    host_.ShowRenderWindow();
    if (session_.IsActive()) {
        // the new render waits until the old one has ended
        restartPending_ = true;
        session_.Stop();
        return;
    }
    StartPrepared();
}

bool RenderCommands::Prepare(COrvantaDoc& doc) {
    auto folder = std::make_unique<RenderFolder>();
    if (!folder->Ok()) {
        Tell(Tr("Für das Rendern kann kein Ordner angelegt werden: ") + folder->Error());
        return false;
    }
    RenderScene scene;
    const FileResult written = WriteRenderCopy(doc, folder->Path(), scene);
    if (!written.ok) {
        Tell(Tr("Die Kopie der Szene für das Rendern kann nicht geschrieben werden: ") +
             written.error);
        return false;
    }
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    RenderJob job;
    job.settings = settings.Executables;
    if (!job.settings.Configuration.empty())
        job.settings.Configuration = folder->PlainPath(job.settings.Configuration, "config.ini");
    job.scene = scene.path;
    job.workingFolder = scene.workingFolder;
    job.outputFile = folder->Path() + "/image.tga";
    job.imagePath = ImageFileName(doc.GetPathName());
    job.choice = choice_;
    if (const auto known = secondsPerPixel_.find({doc.GetPathName(), choice_.antialias});
        known != secondsPerPixel_.end())
        job.expectedTraceSeconds = known->second * choice_.width * choice_.height;

    nextFolder_ = std::move(folder);
    nextScene_ = std::move(scene);
    nextJob_ = job;
    nextDoc_ = &doc;
    nextScenePath_ = doc.GetPathName();
    return true;
}

void RenderCommands::StartPrepared() {
    restartPending_ = false;
    if (!nextFolder_)
        return;
    folder_ = std::move(nextFolder_);
    scene_ = std::move(nextScene_);
    doc_ = nextDoc_;
    level_ = doc_ ? doc_->Pov3() : 0;
    scenePath_ = nextScenePath_;
    imagePath_ = nextJob_.imagePath;
    antialias_ = nextJob_.choice.antialias;
    if (!session_.Start(nextJob_))
        Tell(session_.FailureText());
}

void RenderCommands::OnState() {
    switch (session_.State()) {
        case RenderState::Stopped:
            if (restartPending_)
                host_.Later([this] { StartPrepared(); });
            break;
        case RenderState::Finished: {
            if (const double cost = session_.TraceSecondsPerPixel(); cost >= 0)
                secondsPerPixel_[{scenePath_, antialias_}] = cost;
            COrvantaOptions settings(COrvantaOptions::kProgramSettings);
            if (!session_.ImageError().empty())
                Tell(Tr("Das Bild kann nicht gespeichert werden: ") + session_.ImageError());
            else if (settings.Executables.ViewerStartsAfterPov &&
                     !settings.Executables.Viewer.empty())
                StartViewer(imagePath_);
            break;
        }
        case RenderState::Failed:
            if (restartPending_) {
                host_.Later([this] { StartPrepared(); });
                break;
            }
            // a scene for an older POV-Ray may fail in a newer one: offer the newer level
            if (doc_ && session_.ExitCode() > 0 && level_ < kPovLevel37 && doc_->Pov3() == level_ &&
                Ask(Tr("POV-Ray konnte die Szene nicht rendern. Die Szene ist für eine ältere "
                       "POV-Ray-Version geschrieben. Soll sie für POV-Ray 3.7 geschrieben und "
                       "noch einmal gerendert werden?"))) {
                COrvantaDoc* doc = doc_;
                host_.Later([this, doc] {
                    // a change of the scene settings the user can take back
                    EditStep step(*doc, StepLabel("Einstellungen"));
                    doc->History().RecordSettings();
                    doc->Pov3() = kPovLevel37;
                    doc->SetModifiedFlag(true);
                    Run(*doc);
                });
            }
            break;
        default:
            break;
    }
}

void RenderCommands::ShowImage(COrvantaDoc& doc) {
    const std::string image =
        doc.GetPathName().empty() ? imagePath_ : ImageFileName(doc.GetPathName());
    std::error_code ec;
    if (image.empty() || !std::filesystem::exists(image, ec)) {
        Tell(Tr("Es gibt noch kein Bild der Szene. Erzeugen Sie es mit \"Pov Ray ausführen\"."));
        return;
    }
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    if (!settings.Executables.Viewer.empty()) {
        StartViewer(image);
        return;
    }
    // no viewer: the render window shows the picture
    std::string bytes;
    const FileResult read = ReadWholeFile(image, bytes);
    TargaStream picture;
    if (!read.ok || !picture.Feed(bytes) || !picture.Complete()) {
        Tell(Tr("Das Bild kann nicht gelesen werden: ") + image +
             (read.ok ? std::string() : "\n" + read.error));
        return;
    }
    host_.ShowRenderWindow();
    host_.ShowPicture(image, picture.Width(), picture.Height(), picture.Pixels());
}

bool RenderCommands::StartViewer(const std::string& image) {
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    const CommandLine line = ViewerCommandLine(settings.Executables, image);
    ProcessStart start = launcher_.Start(line.program, line.arguments, {}, {});
    if (!start.process) {
        Tell(Tr("Der Bildbetrachter kann nicht gestartet werden: ") + line.program + "\n" +
             start.error);
        return false;
    }
    // viewers that ended are let go; the others end with us
    std::erase_if(viewers_, [](const auto& v) { return !v->IsRunning(); });
    viewers_.push_back(std::move(start.process));
    return true;
}

void RenderCommands::DocumentClosing(const COrvantaDoc& doc) {
    if (doc_ == &doc) {
        session_.Stop();
        doc_ = nullptr;
        scene_.objectLines.clear();
    }
    if (nextDoc_ == &doc) {
        nextDoc_ = nullptr;
        nextFolder_.reset();
        restartPending_ = false;
    }
}

CPovObject* RenderCommands::ObjectOf(const PovRayMessage& message) const {
    if (!doc_ || message.line <= 0)
        return nullptr;
    namespace fs = std::filesystem;
    if (fs::path(message.file).filename() != fs::path(scene_.path).filename())
        return nullptr;
    const CPovObject* object = ObjectAtLine(scene_.objectLines, message.line);
    if (!object)
        return nullptr;
    // only an object that is still in the document
    for (const CPovObject* head : {doc_->Objects, doc_->Textures, doc_->Halos, doc_->Pigments})
        if (Contains(head, object))
            return const_cast<CPovObject*>(object);
    return nullptr;
}

void RenderCommands::Select(COrvantaDoc& doc, CPovObject& object) {
    IViewPort* view = doc.GetActiveView();
    if (!view || !object.IsPresent())
        return;
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (o->IsSelected())
            o->Deselect(*view);
    object.Select(*view);
    doc.UpdateAllViews();
}
