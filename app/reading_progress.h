// While a scene file is read or imported: the reader's texts ("Lade Objekt %ld, Name: %s",
// "Verschiebe %s") or the importer's in the status bar's message pane a few times a second, the
// window painting and running its timers in between, and the user's clicks and keys held off until
// the scene is read (they would otherwise reach a half-read scene). A wait cursor shows meanwhile.
#pragma once

#include <QObject>
#include <string>

#include "document/scene_builder.h"
#include "view/read_progress.h"

class QMainWindow;

class ReadingProgress : public QObject {
  public:
    explicit ReadingProgress(QMainWindow& frame);
    // clears the message and gives the user the window back
    ~ReadingProgress() override;
    ReadingProgress(const ReadingProgress&) = delete;
    ReadingProgress& operator=(const ReadingProgress&) = delete;

    // the reader's progress callback (texts in Windows-1252, as the scene's names)
    SceneProgress Callback();
    // the importer's (texts in UTF-8)
    SceneProgress Utf8Callback();
    // a scene is being read: commands that would start another read or close the document
    // wait
    static bool Active();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // text is converted only when it is shown: the reader reports every object
    void Report(const std::string& text, bool cp1252);

    QMainWindow& frame_;
    ReadProgressPacer pacer_;
};
