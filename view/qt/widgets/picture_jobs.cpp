#include "view/qt/widgets/picture_jobs.h"

#include <QCoreApplication>
#include <algorithm>

PictureJobs& PictureJobs::Instance() {
    // goes with the application object
    static PictureJobs* jobs = new PictureJobs(QCoreApplication::instance());
    return *jobs;
}

PictureJobs::PictureJobs(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PictureJobs::RunNext);
}

void PictureJobs::Schedule(const QObject* owner, std::function<void()> job) {
    auto it = std::find_if(jobs_.begin(), jobs_.end(),
                           [owner](const auto& j) { return j.first == owner; });
    if (it != jobs_.end())
        it->second = std::move(job);
    else
        jobs_.emplace_back(owner, std::move(job));
    if (!timer_.isActive())
        timer_.start(0);
}

void PictureJobs::Cancel(const QObject* owner) {
    std::erase_if(jobs_, [owner](const auto& j) { return j.first == owner; });
}

bool PictureJobs::Pending(const QObject* owner) const {
    return std::any_of(jobs_.begin(), jobs_.end(),
                       [owner](const auto& j) { return j.first == owner; });
}

void PictureJobs::RunNext() {
    if (jobs_.empty())
        return;
    std::function<void()> job = std::move(jobs_.front().second);
    jobs_.pop_front();
    // the next job waits for the next turn of the event loop
    if (!jobs_.empty())
        timer_.start(0);
    job();
}
