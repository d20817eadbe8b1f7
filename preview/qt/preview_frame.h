// A framed preview picture: the picture of a predefined texture, sky or fog type, or the live
// picture of a texture being edited. While a picture is being rendered the frame shows a
// placeholder with the progress of the preview set; it shows the picture as soon as it is
// ready. Nothing here waits for POV-Ray.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <string>
#include <vector>

#include "preview/preview_pictures.h"

class PreviewFrame : public QFrame {
    Q_OBJECT

  public:
    explicit PreviewFrame(QWidget* parent = nullptr);

    // the picture of a predefined texture, sky or fog type
    void ShowSubject(const PreviewSubject& subject);
    // An empty frame (no texture, a pigment as sky, a disabled preview).
    void ShowNothing();
    // The live picture of a scene, rendered a moment after the last call (so that typing
    // does not start a render per key); a newer call ends an older render. note: what the
    // picture cannot show, shown under it.
    void ShowLive(const std::string& scene, const std::vector<std::string>& libraryPaths = {},
                  const QString& note = QString());
    // how long ShowLive waits for further changes
    static constexpr int kLiveDelayMs = 400;

    // what the frame shows now (the tests read it)
    bool HasPicture() const { return !picture_.isNull(); }
    const QString& PicturePath() const { return path_; }
    const QString& Message() const { return message_; }

    QSize sizeHint() const override { return {132, 132}; }

  signals:
    // the frame's picture changed (a picture arrived, a placeholder took its place)
    void pictureShown();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Load(const QString& path);
    void SetMessage(const QString& message);
    void OnPictureReady(const QString& path);
    void OnPictureFailed(const QString& path, const QString& error);
    void OnProgress(int finished, int total);
    void StartLive();

    enum class Mode { Nothing, Subject, Live };
    Mode mode_ = Mode::Nothing;
    PreviewSubject subject_;
    // the file this frame waits for (a subject's rendered picture)
    QString waitingFor_;
    QString path_;
    QPixmap picture_;
    QString message_;
    QString note_;

    QTimer liveDelay_;
    std::string liveScene_;
    std::vector<std::string> liveLibraryPaths_;
    long liveSerial_ = 0;
};
