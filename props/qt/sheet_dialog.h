// The property sheet on screen: a modal dialog with one tab per page and the buttons OK,
// "Abbrechen", "Hilfe" and "Referenz" (a plain dialog has OK and "Abbrechen" only). The first
// field of the first page has the focus, Return is OK and Escape is Cancel; a refused value
// keeps the dialog open on its page with the field focused.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class PageWidget;
class QPushButton;
class QTabWidget;
class SheetModel;

class SheetDialog : public QDialog {
    Q_OBJECT

  public:
    SheetDialog(SheetModel& sheet, QWidget* parent = nullptr);

    // Runs the dialog modally: 1 = OK, 2 = Cancel.
    int Run();

    QTabWidget* Tabs() const { return tabs_; }
    PageWidget* PageAt(int index) const;
    PageWidget* CurrentPage() const;
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* HelpButton() const { return help_; }
    QPushButton* ReferenceButton() const { return reference_; }

    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void PageChanging(int index);
    void ShowRefusal(size_t page, const std::string& fieldId, const std::string& message);

    SheetModel& sheet_;
    QTabWidget* tabs_ = nullptr;
    std::vector<PageWidget*> pages_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* reference_ = nullptr;
    int shownPage_ = 0;
    bool switching_ = false;
    bool focused_ = false;
};

// What "Hilfe" opens: the program help at a topic. Without a handler the button is hidden.
void SetProgramHelpHandler(std::function<void(const std::string& topic)> handler);
// How an address is opened ("Referenz"); the default is the desktop's browser.
void SetUrlOpener(std::function<void(const std::string& url)> opener);
void OpenUrl(const std::string& url);
