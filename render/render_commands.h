// The desktop's render commands without the desktop: "&Pov Ray ausführen" (the save question,
// the checks before a render, the copy of the scene, POV-Ray found or configured, a second
// render while one runs), "Bild &anzeigen" (the configured viewer, else the render window),
// the viewer after a render, the offer to write a failing scene for POV-Ray 3.7, and the way
// from a problem POV-Ray reports back to the object that wrote the line. The application
// supplies the host (saving, the settings dialog, the window) and shows the session.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "render/render_scene.h"
#include "render/render_session.h"

class COrvantaDoc;
class CPovObject;
class IRunningProcess;

// What the render commands ask of the application.
class IRenderHost {
  public:
    virtual ~IRenderHost() = default;
    // Saves the document (asking for a name when it has none); false when it was not saved.
    virtual bool SaveDocument() = 0;
    // The POV-Ray settings dialog; true when it was closed with OK.
    virtual bool RunPovRaySettings() = 0;
    // Brings the render window up.
    virtual void ShowRenderWindow() = 0;
    // Runs the call after the current event (a render started again after the last one ended).
    virtual void Later(std::function<void()> call) = 0;
    // A picture to show that did not come from a render (the last image, loaded from file).
    virtual void ShowPicture(const std::string& file, int width, int height,
                             const std::vector<std::uint32_t>& pixels) = 0;
};

class RenderCommands {
  public:
    RenderCommands(IRenderHost& host, IProcessLauncher& launcher, RenderSession::Clock clock);
    ~RenderCommands();

    RenderSession& Session() { return session_; }

    // "&Pov Ray ausführen" on the document.
    void Run(COrvantaDoc& doc);
    // "Bild &anzeigen".
    void ShowImage(COrvantaDoc& doc);
    void Stop() { session_.Stop(); }
    // The document goes: its render ends and its objects are forgotten.
    void DocumentClosing(const COrvantaDoc& doc);

    // The render's size and quality (the window's choice, stored for the next start).
    const RenderChoice& Choice() const { return choice_; }
    void SetChoice(const RenderChoice& choice);

    // The object that wrote the line a problem names, when the problem is in the rendered
    // copy and the object is still in the document; else nullptr.
    CPovObject* ObjectOf(const PovRayMessage& message) const;
    // Makes the object the selected one in the views.
    static void Select(COrvantaDoc& doc, CPovObject& object);
    // the scene file the render was taken from, for showing problems
    const std::string& ScenePath() const { return scenePath_; }
    // the image the last render wrote (or is writing)
    const std::string& ImagePath() const { return imagePath_; }

  private:
    bool Prepare(COrvantaDoc& doc);
    void StartPrepared();
    void OnState();
    bool StartViewer(const std::string& image);

    IRenderHost& host_;
    IProcessLauncher& launcher_;
    RenderSession session_;
    RenderChoice choice_;
    // the render under way and the one waiting for it to end
    std::unique_ptr<RenderFolder> folder_, nextFolder_;
    RenderJob nextJob_;
    RenderScene scene_, nextScene_;
    bool restartPending_ = false;
    COrvantaDoc* doc_ = nullptr;
    COrvantaDoc* nextDoc_ = nullptr;
    std::string scenePath_, imagePath_, nextScenePath_;
    int level_ = 0;
    bool antialias_ = false;
    // what a pixel of each scene cost to trace in its last render, with and without smoothing
    std::map<std::pair<std::string, bool>, double> secondsPerPixel_;
    std::vector<std::unique_ptr<IRunningProcess>> viewers_;
};
