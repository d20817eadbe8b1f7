#include "platform/qt/qprocess_launcher.h"

#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <chrono>

#include "platform/process_groups.h"

namespace {

QStringList ToList(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& a : arguments)
        list << QString::fromLocal8Bit(a.c_str());
    return list;
}

// Every program starts in a group of its own that ends with us.
void PrepareProcess(QProcess& process, const std::string& workingFolder) {
    const int parent = static_cast<int>(::getpid());
    process.setChildProcessModifier([parent] { process_groups::PrepareChild(parent); });
    if (!workingFolder.empty())
        process.setWorkingDirectory(QString::fromLocal8Bit(workingFolder.c_str()));
}

using Clock = std::chrono::steady_clock;
// POV-Ray needs nothing of the time it is given: it ends within the grace or is killed
constexpr std::chrono::milliseconds kStopGrace(200);

class QtRunningProcess : public IRunningProcess {
  public:
    explicit QtRunningProcess(ProcessCallbacks callbacks) : callbacks_(std::move(callbacks)) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Drain(); });
        QObject::connect(&process_, &QProcess::readyReadStandardError, [this] { Drain(); });
        QObject::connect(
            &process_, &QProcess::finished,
            [this](int code, QProcess::ExitStatus status) { OnFinished(code, status); });
    }

    ~QtRunningProcess() override {
        QObject::disconnect(&process_, nullptr, nullptr, nullptr);
        if (process_.state() != QProcess::NotRunning) {
            process_groups::End(group_, true);
            process_.waitForFinished(2000);
        }
        Forget();
    }

    bool Launch(const std::string& program, const std::vector<std::string>& arguments,
                const std::string& workingFolder, std::string& error) {
        PrepareProcess(process_, workingFolder);
        process_.start(QString::fromLocal8Bit(program.c_str()), ToList(arguments));
        if (!process_.waitForStarted(-1)) {
            error = process_.errorString().toStdString();
            return false;
        }
        group_ = static_cast<int>(process_.processId());
        // the child sets its group itself; doing it here as well closes the window before that
        ::setpgid(group_, group_);
        process_groups::Add(group_);
        return true;
    }

    void Stop() override {
        if (finished_ || stopping_)
            return;
        stopping_ = true;
        stopAt_ = Clock::now();
        process_groups::End(group_, false);
        QTimer::singleShot(kStopGrace, &process_, [this] {
            if (!finished_)
                process_groups::End(group_, true);
        });
    }

    bool IsRunning() const override { return !finished_; }

    bool Wait(int milliseconds) override {
        const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
        while (!finished_) {
            if (stopping_ && Clock::now() - stopAt_ > kStopGrace)
                process_groups::End(group_, true);
            int step = 100;
            if (milliseconds >= 0) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                        .count();
                if (left <= 0)
                    break;
                step = static_cast<int>(std::min<long long>(left, step));
            }
            process_.waitForFinished(step);
        }
        return finished_;
    }

  private:
    void Drain() {
        const QByteArray out = process_.readAllStandardOutput();
        if (!out.isEmpty() && callbacks_.output)
            callbacks_.output(std::string_view(out.constData(), static_cast<size_t>(out.size())));
        const QByteArray err = process_.readAllStandardError();
        if (!err.isEmpty() && callbacks_.errors)
            callbacks_.errors(std::string_view(err.constData(), static_cast<size_t>(err.size())));
    }

    void OnFinished(int code, QProcess::ExitStatus status) {
        if (finished_)
            return;
        Drain();
        finished_ = true;
        Forget();
        ProcessExit exit;
        exit.crashed = status != QProcess::NormalExit;
        exit.exitCode = exit.crashed ? -1 : code;
        if (callbacks_.finished)
            callbacks_.finished(exit);
    }

    // A group whose leader has ended may hold programs the leader started (a viewer that a
    // launcher script opened): it stays remembered, to be ended when we exit.
    void Forget() {
        if (group_ > 0 && ::kill(-group_, 0) != 0)
            process_groups::Remove(group_);
    }

    QProcess process_;
    ProcessCallbacks callbacks_;
    int group_ = 0;
    bool finished_ = false;
    bool stopping_ = false;
    Clock::time_point stopAt_;
};

}  // namespace

ProcessResult QProcessLauncher::RunAndWait(const std::string& program,
                                           const std::vector<std::string>& arguments,
                                           const std::string& workingFolder) {
    const std::atomic<bool> never{false};
    return RunCancellable(program, arguments, workingFolder, never);
}

ProcessResult QProcessLauncher::RunCancellable(const std::string& program,
                                               const std::vector<std::string>& arguments,
                                               const std::string& workingFolder,
                                               const std::atomic<bool>& cancel) {
    ProcessResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    PrepareProcess(process, workingFolder);
    process.start(QString::fromLocal8Bit(program.c_str()), ToList(arguments));
    if (!process.waitForStarted(-1)) {
        result.error = process.errorString().toStdString();
        return result;
    }
    result.started = true;
    const int group = static_cast<int>(process.processId());
    process_groups::Add(group);
    // short waits, so that a cancelled run ends within a moment
    while (!process.waitForFinished(50)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (cancel.load()) {
            process_groups::End(group, true);
            process.waitForFinished(-1);
            process_groups::Remove(group);
            result.output = process.readAll().toStdString();
            result.exitCode = -1;
            return result;
        }
    }
    process_groups::Remove(group);
    result.output = process.readAll().toStdString();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool QProcessLauncher::StartDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    return QProcess::startDetached(QString::fromLocal8Bit(program.c_str()), ToList(arguments));
}

ProcessStart QProcessLauncher::Start(const std::string& program,
                                     const std::vector<std::string>& arguments,
                                     const std::string& workingFolder, ProcessCallbacks callbacks) {
    auto process = std::make_unique<QtRunningProcess>(std::move(callbacks));
    ProcessStart start;
    if (process->Launch(program, arguments, workingFolder, start.error))
        start.process = std::move(process);
    return start;
}
