// The desktop's editor host: an object's EditProperties opens its property sheet as a modal
// dialog over the main window.
#pragma once

#include "platform/editor_host.h"
#include "props/qt/qt_sheet_services.h"

class QWidget;

class QtEditorHost : public IEditorHost {
  public:
    // parent: the window the sheets stand over; the decimal separator of numbers is taken
    // from the user's locale here
    explicit QtEditorHost(QWidget* parent);
    int EditProperties(CPovObject& object, const std::string& caption) override;

  private:
    QWidget* parent_;
    QtSheetServices services_;
};
