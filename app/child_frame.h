// The frame of one view inside the main window: a sub-window of the MDI area, titled with the
// document's title and the view kind ("Script Draufsicht", or "Script:2 Kamera" when the
// document has several windows).
#pragma once

#include <QMdiSubWindow>

class COrvantaDoc;
class ViewWidget;

class COrvantaMDIChildWnd : public QMdiSubWindow {
    Q_OBJECT

  public:
    // Creates a view of the kind NextViewKind on the document.
    COrvantaMDIChildWnd(COrvantaDoc& document, QWidget* parent = nullptr);
    ~COrvantaMDIChildWnd() override;

    ViewWidget* GetViewWidget() const { return view_; }
    int GetViewKind() const { return ViewKind; }
    // windowNumber: 0 while it is the document's only window, else its number from 1
    void UpdateTitle(const QString& documentTitle, int windowNumber);

    int ViewKind = 255;

  signals:
    void closing(COrvantaMDIChildWnd* frame);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    ViewWidget* view_ = nullptr;
};
