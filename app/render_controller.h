// The render commands on the desktop: owns the render commands and the render window (a dock
// of the main window), and gives the commands what they ask of the application: saving, the
// POV-Ray settings dialog, the window, a call after the current event.
#pragma once

#include <QObject>
#include <memory>

#include "render/render_commands.h"

class COrvantaApp;
class QMainWindow;
class RenderWindow;

class RenderController : public QObject, public IRenderHost {
    Q_OBJECT

  public:
    RenderController(COrvantaApp& app, QMainWindow& frame);
    ~RenderController() override;

    RenderCommands& Commands() { return *commands_; }
    RenderWindow* Window() const { return window_; }

    // the commands of the menus and tool bars
    void Run();
    void ShowImage();
    void Stop() { commands_->Stop(); }
    bool PovRaySettings();
    bool ViewerSettings();
    bool IsRendering() const;

    // IRenderHost
    bool SaveDocument() override;
    bool RunPovRaySettings() override { return PovRaySettings(); }
    void ShowRenderWindow() override;
    void Later(std::function<void()> call) override;
    void ShowPicture(const std::string& file, int width, int height,
                     const std::vector<std::uint32_t>& pixels) override;

  private:
    void ProblemChosen(int index);

    COrvantaApp& app_;
    QMainWindow& frame_;
    std::unique_ptr<RenderCommands> commands_;
    RenderWindow* window_ = nullptr;
};
