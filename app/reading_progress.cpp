#include "app/reading_progress.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>

#include "model/cp1252.h"

namespace {

int g_active = 0;

// what the user does with mouse and keyboard; everything else (painting, timers, resizing)
// goes on while a scene is read
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

ReadingProgress::ReadingProgress(QMainWindow& frame)
    : frame_(frame), pacer_(ReadProgressPacer::Clock::now()) {
    ++g_active;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

ReadingProgress::~ReadingProgress() {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    frame_.statusBar()->clearMessage();
    --g_active;
}

bool ReadingProgress::Active() {
    return g_active > 0;
}

SceneProgress ReadingProgress::Callback() {
    return [this](const std::string& text) { Report(text, true); };
}

SceneProgress ReadingProgress::Utf8Callback() {
    return [this](const std::string& text) { Report(text, false); };
}

void ReadingProgress::Report(const std::string& text, bool cp1252) {
    const ReadProgressPacer::Step step = pacer_.Report(ReadProgressPacer::Clock::now());
    if (step.show && !text.empty())
        frame_.statusBar()->showMessage(
            QString::fromStdString(cp1252 ? orv::Cp1252ToUtf8(text) : text));
    if (step.breathe)
        QCoreApplication::processEvents();
}

bool ReadingProgress::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserInput(event->type())) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
