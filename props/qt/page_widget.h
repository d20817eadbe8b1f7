// A property page on screen: lays out the page model's fields (labels, group boxes, rows) and
// keeps widgets and fields in step. Every rule stays in the model: a change the user makes is
// written into its field, the page model is told, and all widgets are refreshed from the model.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

class PageModel;
class QComboBox;
class QLabel;
class SheetModel;
struct SheetField;

// A widget for a Custom field; the factory registered for the field's key makes it.
class CustomFieldWidget : public QWidget {
  public:
    using QWidget::QWidget;
    // Shows the field's data again after the model changed it.
    virtual void Sync() = 0;
};

// changed: to be called after the widget edited the field's data
using CustomFieldFactory =
    std::function<CustomFieldWidget*(SheetField& field, std::function<void()> changed)>;
void RegisterCustomField(const std::string& key, CustomFieldFactory factory);

// Dresses the combo box of a Choice field whose `custom` names it (icons, ...); it runs when the
// box is made and whenever its entries are filled again.
using ChoiceDecorator = std::function<void(QComboBox* combo)>;
void RegisterChoiceDecorator(const std::string& key, ChoiceDecorator decorator);

class PageWidget : public QWidget {
    Q_OBJECT

  public:
    PageWidget(SheetModel& sheet, PageModel& page, QWidget* parent = nullptr);

    PageModel& Page() const { return page_; }
    // Shows the model's values, states and lists.
    void Sync();
    // the widget of a field, or nullptr
    QWidget* FieldWidget(const std::string& id) const;
    // the first field a user can type into or operate
    QWidget* FirstInput() const;
    void FocusField(const std::string& id);

  private:
    struct Bound {
        size_t field;
        QWidget* widget = nullptr;
        QLabel* label = nullptr;
        QWidget* box = nullptr;  // the group box the field stands in
    };

    void Build();
    QWidget* MakeWidget(size_t index);
    void SyncOne(Bound& bound);
    // after the user changed a field: the model reacts, the widgets follow
    void UserChanged(const std::string& id);
    void UserPressed(const std::string& id);
    SheetField& FieldAt(size_t index) const;

    SheetModel& sheet_;
    PageModel& page_;
    std::vector<Bound> bound_;
    std::map<std::string, size_t> byId_;
    bool syncing_ = false;
};
