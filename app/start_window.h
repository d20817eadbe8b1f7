// The start window: the program's picture (a POV-Ray rendering of our own scene) centred on
// the main window for two seconds, or until a key or mouse button is pressed anywhere in the
// program.
#pragma once

#include <QLabel>
#include <QTimer>

class StartWindow : public QLabel {
    Q_OBJECT

  public:
    static constexpr int kShowMilliseconds = 2000;

    // Shows the window centred on over; it deletes itself when it closes.
    static StartWindow* Show(QWidget* over);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit StartWindow(QWidget* over);
    void Finish();

    QWidget* over_;
    QTimer timer_;
};
