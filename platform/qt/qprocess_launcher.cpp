#include "platform/qt/qprocess_launcher.h"

#include <QProcess>
#include <QStringList>

namespace {
QStringList ToList(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& a : arguments)
        list << QString::fromLocal8Bit(a.c_str());
    return list;
}
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
    if (!workingFolder.empty())
        process.setWorkingDirectory(QString::fromLocal8Bit(workingFolder.c_str()));
    process.start(QString::fromLocal8Bit(program.c_str()), ToList(arguments));
    if (!process.waitForStarted(-1)) {
        result.error = process.errorString().toStdString();
        return result;
    }
    result.started = true;
    // short waits, so that a cancelled run ends within a moment
    while (!process.waitForFinished(50)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (cancel.load()) {
            process.kill();
            process.waitForFinished(-1);
            result.output = process.readAll().toStdString();
            result.exitCode = -1;
            return result;
        }
    }
    result.output = process.readAll().toStdString();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

bool QProcessLauncher::StartDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    return QProcess::startDetached(QString::fromLocal8Bit(program.c_str()), ToList(arguments));
}
