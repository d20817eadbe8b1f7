// What the window did while a scene was read or imported: the status texts it showed, how often
// a timer of 10 ms got its turn, and how long the read took.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <functional>

struct WindowWatch {
    bool ok = false;  // what read returned
    QStringList texts;
    int ticks = 0;
    qint64 took = 0;  // milliseconds
};

inline WindowWatch WatchWindow(QMainWindow& frame, const std::function<bool()>& read) {
    WindowWatch watch;
    const QMetaObject::Connection texts =
        QObject::connect(frame.statusBar(), &QStatusBar::messageChanged,
                         [&](const QString& text) { watch.texts << text; });
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++watch.ticks; });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    watch.ok = read();
    watch.took = clock.elapsed();
    timer.stop();
    QObject::disconnect(texts);
    return watch;
}
