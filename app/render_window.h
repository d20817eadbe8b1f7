// The render window: a dock beside the views that shows the picture as POV-Ray traces it,
// the progress with the time so far and the time still to go, POV-Ray's problems (a click
// selects the object whose text holds the line), the size and quality of the next render, and
// the buttons that start and stop it. What it shows comes from the render commands' session.
#pragma once

#include <QDockWidget>
#include <QImage>
#include <QTimer>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class RenderCommands;
struct RowSpan;

// The picture, scaled to fit and centred; rows not traced yet show a dark checker.
class RenderPicture : public QWidget {
    Q_OBJECT

  public:
    explicit RenderPicture(QWidget* parent = nullptr);
    void SetSize(int width, int height);
    // copies rows of the picture from pixels (0xFFRRGGBB, top row first)
    void SetRows(const std::vector<std::uint32_t>& pixels, int first, int end);
    const QImage& Image() const { return image_; }
    // rows that have a picture
    int RowsShown() const { return rowsShown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    std::vector<bool> shown_;
    int rowsShown_ = 0;
};

class RenderWindow : public QDockWidget {
    Q_OBJECT

  public:
    RenderWindow(RenderCommands& commands, QWidget* parent = nullptr);

    RenderPicture* Picture() const { return picture_; }
    QProgressBar* Progress() const { return progress_; }
    QPushButton* StopButton() const { return stop_; }
    QPushButton* RenderButton() const { return render_; }
    QComboBox* SizeChoice() const { return size_; }
    QListWidget* Problems() const { return problems_; }
    QLabel* Status() const { return status_; }
    // Shows a picture from a file (no render).
    void ShowPicture(const std::string& file, int width, int height,
                     const std::vector<std::uint32_t>& pixels);
    // Shows the size and quality the next render takes (chosen elsewhere).
    void ShowChoice();

  signals:
    // the user asked for a render, or for the POV-Ray settings
    void renderRequested();
    void settingsRequested();
    // a problem was clicked that leads to an object
    void problemChosen(int index);
    // a render started or ended
    void stateChanged();

  private:
    void OnState();
    void OnRows(RowSpan rows);
    void UpdateTimes();
    void FillProblems();

    RenderCommands& commands_;
    RenderPicture* picture_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QComboBox* size_ = nullptr;
    QPushButton* render_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* settings_ = nullptr;
    QListWidget* problems_ = nullptr;
    QTimer clock_;
};
