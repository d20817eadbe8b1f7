#include "app/render_controller.h"

#include <QMainWindow>
#include <QTimer>
#include <chrono>

#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "app/render_window.h"
#include "document/orvanta_doc.h"
#include "platform/process_launcher.h"
#include "props/qt/qt_sheet_services.h"
#include "props/qt/sheet_dialog.h"
#include "props/settings/executables_page.h"

namespace {
double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

RenderController::RenderController(COrvantaApp& app, QMainWindow& frame)
    : app_(app),
      frame_(frame),
      commands_(std::make_unique<RenderCommands>(*this, GetProcessLauncher(), SteadySeconds)) {
    window_ = new RenderWindow(*commands_, &frame);
    frame.addDockWidget(Qt::RightDockWidgetArea, window_);
    window_->hide();
    connect(window_, &RenderWindow::renderRequested, this, &RenderController::Run);
    connect(window_, &RenderWindow::settingsRequested, this, [this] { PovRaySettings(); });
    connect(window_, &RenderWindow::problemChosen, this, &RenderController::ProblemChosen);
    // the menu's Stop and its shortcut follow the render, however it was started
    connect(window_, &RenderWindow::stateChanged, this, [this] {
        if (CMainFrame* frame = app_.Frame())
            frame->UpdateCommandStates();
    });
}

RenderController::~RenderController() {
    // the window goes with the frame; the session must not call into it any more
    RenderSession& session = commands_->Session();
    session.onRows = nullptr;
    session.onProgress = nullptr;
    session.onState = nullptr;
    delete window_;
}

void RenderController::Run() {
    if (COrvantaDoc* doc = app_.Document())
        commands_->Run(*doc);
}

void RenderController::ShowImage() {
    if (COrvantaDoc* doc = app_.Document())
        commands_->ShowImage(*doc);
}

bool RenderController::IsRendering() const {
    return commands_->Session().State() == RenderState::Running;
}

bool RenderController::PovRaySettings() {
    PovRaySettingsSheet sheet;
    QtSheetServices services(&frame_);
    sheet.SetServices(&services);
    const bool ok = SheetDialog(sheet, &frame_).Run() == 1;
    if (ok) {
        commands_->SetChoice(sheet.Choice());
        window_->ShowChoice();
    }
    return ok;
}

bool RenderController::ViewerSettings() {
    ViewerSettingsSheet sheet;
    QtSheetServices services(&frame_);
    sheet.SetServices(&services);
    return SheetDialog(sheet, &frame_).Run() == 1;
}

bool RenderController::SaveDocument() {
    return app_.SaveDocument();
}

void RenderController::ShowRenderWindow() {
    window_->show();
    window_->raise();
}

void RenderController::Later(std::function<void()> call) {
    QTimer::singleShot(0, this, std::move(call));
}

void RenderController::ShowPicture(const std::string& file, int width, int height,
                                   const std::vector<std::uint32_t>& pixels) {
    window_->ShowPicture(file, width, height, pixels);
}

void RenderController::ProblemChosen(int index) {
    const std::vector<PovRayMessage>& messages = commands_->Session().Messages();
    COrvantaDoc* doc = app_.Document();
    if (!doc || index < 0 || index >= static_cast<int>(messages.size()))
        return;
    if (CPovObject* object = commands_->ObjectOf(messages[static_cast<size_t>(index)]))
        RenderCommands::Select(*doc, *object);
}
