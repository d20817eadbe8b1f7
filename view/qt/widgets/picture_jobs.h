// The views' picture work on the user-interface thread (describing the camera's scene,
// recording a wire-frame view's drawing pass) runs one job per turn of the event loop: four
// views of a large scene then never stop the window for the sum of their work, and clicks,
// keys and painting get their turn between them.
#pragma once

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <utility>

class PictureJobs : public QObject {
  public:
    // the application's queue
    static PictureJobs& Instance();

    // Runs job once the event loop is back, after the jobs already waiting. An owner has one
    // job waiting at most: scheduling again replaces it and keeps its place.
    void Schedule(const QObject* owner, std::function<void()> job);
    // drops the owner's waiting job (the owner goes away)
    void Cancel(const QObject* owner);
    bool Pending(const QObject* owner) const;

  private:
    explicit PictureJobs(QObject* parent);
    void RunNext();

    QTimer timer_;
    std::deque<std::pair<const QObject*, std::function<void()>>> jobs_;
};
