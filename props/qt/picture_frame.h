// A framed picture that loads its file off the user-interface thread: a page never waits for
// a preview picture. Without a file, or until the picture is read, the frame stays empty; a
// preview picture that is still being rendered shows a placeholder until it is there.
#pragma once

#include <QLabel>
#include <QString>

class PictureFrame : public QLabel {
    Q_OBJECT

  public:
    explicit PictureFrame(QWidget* parent = nullptr);
    // the picture's file; empty = an empty frame
    void SetFile(const QString& file);
    const QString& File() const { return file_; }
    // whether a picture is shown
    bool HasPicture() const;

  signals:
    // the picture of the current file was read (or could not be read)
    void loaded();

  private:
    void Reload(const QString& file);

    QString file_;
    int generation_ = 0;
};
