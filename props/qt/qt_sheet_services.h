// The sheets' services on the desktop: Qt's colour and file dialogs, the font chooser, and
// nested sheets shown as dialogs.
#pragma once

#include "props/sheet_services.h"

class QWidget;

class QtSheetServices : public ISheetServices {
  public:
    explicit QtSheetServices(QWidget* parent) : parent_(parent) {}

    std::optional<uint32_t> PickColor(uint32_t initial) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                            const std::string& initial) override;
    std::optional<FontFace> ChooseFont(const std::vector<FontFace>& faces,
                                       const std::string& current) override;
    int RunSheet(SheetModel& sheet) override;

  private:
    QWidget* Parent() const;

    QWidget* parent_;
};
