#include "props/qt/page_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "props/page_model.h"
#include "props/qt/picture_frame.h"
#include "props/qt/point_area.h"
#include "props/shapes/point_editor.h"
#include "props/sheet_model.h"

namespace {

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string S(const QString& text) {
    return text.toUtf8().toStdString();
}

std::map<std::string, CustomFieldFactory>& CustomFactories() {
    // the point editor's area is built in; others register their own
    static std::map<std::string, CustomFieldFactory> factories = {
        {"points", [](SheetField& field, std::function<void()> changed) -> CustomFieldWidget* {
             return new PointArea(*static_cast<PointEditorModel*>(field.customData),
                                  std::move(changed));
         }}};
    return factories;
}

// a swatch showing a 0x00BBGGRR colour
class ColorSwatch : public QFrame {
  public:
    explicit ColorSwatch(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setFixedSize(48, 20);
        setAutoFillBackground(true);
    }
    void SetColor(int bgr) {
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
        setPalette(p);
    }
};

bool HasOwnLabel(FieldKind kind) {
    return kind == FieldKind::Check || kind == FieldKind::Radio || kind == FieldKind::Button ||
           kind == FieldKind::Note;
}

bool TakesInput(FieldKind kind) {
    return kind != FieldKind::Note && kind != FieldKind::Picture && kind != FieldKind::Color;
}

}  // namespace

void RegisterCustomField(const std::string& key, CustomFieldFactory factory) {
    CustomFactories()[key] = std::move(factory);
}

namespace {

std::map<std::string, ChoiceDecorator>& ChoiceDecorators() {
    static std::map<std::string, ChoiceDecorator> decorators;
    return decorators;
}

void Decorate(const SheetField& f, QComboBox* combo) {
    if (f.custom.empty())
        return;
    auto it = ChoiceDecorators().find(f.custom);
    if (it != ChoiceDecorators().end())
        it->second(combo);
}

}  // namespace

void RegisterChoiceDecorator(const std::string& key, ChoiceDecorator decorator) {
    ChoiceDecorators()[key] = std::move(decorator);
}

PageWidget::PageWidget(SheetModel& sheet, PageModel& page, QWidget* parent)
    : QWidget(parent), sheet_(sheet), page_(page) {
    Build();
}

SheetField& PageWidget::FieldAt(size_t index) const {
    return page_.Fields()[index];
}

void PageWidget::Build() {
    auto* outer = new QVBoxLayout(this);
    QGridLayout* grid = nullptr;
    QWidget* box = nullptr;
    std::string currentGroup;
    bool first = true;
    int row = -1, column = 0;
    const size_t count = page_.Fields().size();
    for (size_t i = 0; i < count; ++i) {
        const SheetField& f = FieldAt(i);
        // a new section when the group changes
        if (first || f.group != currentGroup) {
            first = false;
            currentGroup = f.group;
            if (f.group.empty()) {
                box = nullptr;
                auto* plain = new QWidget(this);
                grid = new QGridLayout(plain);
                grid->setContentsMargins(0, 0, 0, 0);
                outer->addWidget(plain);
            } else {
                auto* group = new QGroupBox(Q(f.group), this);
                grid = new QGridLayout(group);
                outer->addWidget(group);
                box = group;
            }
            row = -1;
        }
        if (!f.sameRow || row < 0) {
            ++row;
            column = 0;
        }
        Bound b;
        b.field = i;
        b.box = box;
        b.widget = MakeWidget(i);
        if (!HasOwnLabel(f.kind) && !f.label.empty()) {
            b.label = new QLabel(Q(f.label), this);
            b.label->setBuddy(b.widget);
            grid->addWidget(b.label, row, column++);
        }
        if (f.kind == FieldKind::Note || f.kind == FieldKind::Radio ||
            (f.kind == FieldKind::Custom && f.label.empty()))
            grid->addWidget(b.widget, row, column++, 1, 4);
        else
            grid->addWidget(b.widget, row, column++);
        byId_[f.id] = bound_.size();
        bound_.push_back(b);
    }
    outer->addStretch(1);
    Sync();
}

QWidget* PageWidget::MakeWidget(size_t index) {
    SheetField& f = FieldAt(index);
    const std::string id = f.id;
    switch (f.kind) {
        case FieldKind::Number:
        case FieldKind::Integer:
        case FieldKind::Text: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this, [this, index, id](const QString& text) {
                FieldAt(index).text = S(text);
                UserChanged(id);
            });
            return edit;
        }
        case FieldKind::Check: {
            auto* check = new QCheckBox(Q(f.label), this);
            connect(check, &QCheckBox::toggled, this, [this, index, id](bool on) {
                if (syncing_)
                    return;
                FieldAt(index).value = on ? 1 : 0;
                UserChanged(id);
            });
            return check;
        }
        case FieldKind::Radio: {
            auto* row = new QWidget(this);
            auto* layout = new QHBoxLayout(row);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* group = new QButtonGroup(row);
            for (size_t i = 0; i < f.items.size(); ++i) {
                auto* radio = new QRadioButton(Q(f.items[i]), row);
                group->addButton(radio, static_cast<int>(i));
                layout->addWidget(radio);
            }
            layout->addStretch(1);
            connect(group, &QButtonGroup::idClicked, this, [this, index, id](int chosen) {
                if (syncing_)
                    return;
                FieldAt(index).value = chosen;
                UserChanged(id);
            });
            return row;
        }
        case FieldKind::Choice: {
            auto* combo = new QComboBox(this);
            combo->setEditable(f.editable);
            combo->setMaxVisibleItems(20);
            if (f.editable) {
                // room for a typed number such as "0.000000", not only for the entries
                combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                combo->setMinimumContentsLength(8);
            }
            connect(combo, &QComboBox::activated, this, [this, index, id, combo](int chosen) {
                SheetField& field = FieldAt(index);
                field.value = chosen;
                field.text = S(combo->itemText(chosen));
                UserChanged(id);
            });
            if (f.editable)
                connect(combo, &QComboBox::editTextChanged, this,
                        [this, index, id](const QString& text) {
                            if (syncing_)
                                return;
                            FieldAt(index).text = S(text);
                            UserChanged(id);
                        });
            return combo;
        }
        case FieldKind::List: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            list->setMinimumWidth(180);
            connect(list, &QListWidget::itemSelectionChanged, this, [this, index, id, list] {
                if (syncing_)
                    return;
                SheetField& field = FieldAt(index);
                field.selected.assign(field.items.size(), false);
                for (int i = 0; i < list->count() && i < static_cast<int>(field.items.size()); ++i)
                    field.selected[static_cast<size_t>(i)] = list->item(i)->isSelected();
                UserChanged(id);
            });
            return list;
        }
        case FieldKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setMinimumWidth(160);
            connect(slider, &QSlider::valueChanged, this, [this, index, id](int position) {
                if (syncing_)
                    return;
                FieldAt(index).value = position;
                UserChanged(id);
            });
            return slider;
        }
        case FieldKind::Button: {
            auto* button = new QPushButton(Q(f.label), this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, id] { UserPressed(id); });
            return button;
        }
        case FieldKind::Color:
            return new ColorSwatch(this);
        case FieldKind::Picture:
            return new PictureFrame(this);
        case FieldKind::Note: {
            auto* note = new QLabel(this);
            note->setWordWrap(true);
            QPalette p = note->palette();
            p.setColor(QPalette::WindowText, QColor(0xA0, 0x40, 0x00));
            note->setPalette(p);
            return note;
        }
        case FieldKind::Custom: {
            auto it = CustomFactories().find(f.custom);
            if (it == CustomFactories().end())
                return new QLabel(this);
            CustomFieldWidget* custom = it->second(f, [this, id] { UserChanged(id); });
            custom->setParent(this);
            return custom;
        }
    }
    return new QWidget(this);
}

void PageWidget::Sync() {
    syncing_ = true;
    std::map<QWidget*, bool> boxVisible;
    for (Bound& b : bound_) {
        SyncOne(b);
        if (b.box)
            boxVisible[b.box] = boxVisible[b.box] || FieldAt(b.field).visible;
    }
    for (auto& [box, visible] : boxVisible)
        box->setVisible(visible);
    syncing_ = false;
}

void PageWidget::SyncOne(Bound& b) {
    const SheetField& f = FieldAt(b.field);
    QWidget* w = b.widget;
    w->setVisible(f.visible);
    w->setEnabled(f.enabled);
    if (b.label) {
        b.label->setVisible(f.visible);
        b.label->setEnabled(f.enabled);
    }
    const QSignalBlocker block(w);
    switch (f.kind) {
        case FieldKind::Number:
        case FieldKind::Integer:
        case FieldKind::Text: {
            auto* edit = static_cast<QLineEdit*>(w);
            edit->setMaxLength(f.maxLength > 0 ? static_cast<int>(f.maxLength) : 32767);
            if (S(edit->text()) != f.text)
                edit->setText(Q(f.text));
            break;
        }
        case FieldKind::Check:
            static_cast<QCheckBox*>(w)->setChecked(f.value != 0);
            break;
        case FieldKind::Radio: {
            auto* group = w->findChild<QButtonGroup*>();
            if (QAbstractButton* button = group->button(f.value))
                button->setChecked(true);
            break;
        }
        case FieldKind::Choice: {
            auto* combo = static_cast<QComboBox*>(w);
            bool same = combo->count() == static_cast<int>(f.items.size());
            for (int i = 0; same && i < combo->count(); ++i)
                same = S(combo->itemText(i)) == f.items[static_cast<size_t>(i)];
            if (!same) {
                combo->clear();
                for (const std::string& item : f.items)
                    combo->addItem(Q(item));
                Decorate(f, combo);
            }
            combo->setCurrentIndex(f.value);
            if (f.editable && S(combo->currentText()) != f.text)
                combo->setEditText(Q(f.text));
            break;
        }
        case FieldKind::List: {
            auto* list = static_cast<QListWidget*>(w);
            bool same = list->count() == static_cast<int>(f.items.size());
            for (int i = 0; same && i < list->count(); ++i)
                same = S(list->item(i)->text()) == f.items[static_cast<size_t>(i)];
            if (!same) {
                list->clear();
                for (const std::string& item : f.items)
                    list->addItem(Q(item));
            }
            for (int i = 0; i < list->count(); ++i) {
                const size_t k = static_cast<size_t>(i);
                list->item(i)->setSelected(k < f.selected.size() && f.selected[k]);
            }
            break;
        }
        case FieldKind::Slider: {
            auto* slider = static_cast<QSlider*>(w);
            slider->setRange(static_cast<int>(f.min.value_or(0)),
                             static_cast<int>(f.max.value_or(100)));
            slider->setValue(f.value);
            break;
        }
        case FieldKind::Color:
            static_cast<ColorSwatch*>(w)->SetColor(f.value);
            break;
        case FieldKind::Picture:
            static_cast<PictureFrame*>(w)->SetFile(Q(f.text));
            break;
        case FieldKind::Note:
            static_cast<QLabel*>(w)->setText(Q(f.text));
            break;
        case FieldKind::Custom:
            if (auto* custom = dynamic_cast<CustomFieldWidget*>(w))
                custom->Sync();
            break;
        case FieldKind::Button:
            break;
    }
}

void PageWidget::UserChanged(const std::string& id) {
    if (syncing_)
        return;
    page_.Changed(sheet_, id);
    Sync();
}

void PageWidget::UserPressed(const std::string& id) {
    page_.Pressed(sheet_, id);
    Sync();
}

QWidget* PageWidget::FieldWidget(const std::string& id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : bound_[it->second].widget;
}

QWidget* PageWidget::FirstInput() const {
    for (const Bound& b : bound_) {
        const SheetField& f = FieldAt(b.field);
        if (f.visible && f.enabled && TakesInput(f.kind) && b.widget->focusPolicy() != Qt::NoFocus)
            return f.kind == FieldKind::Radio ? b.widget->findChild<QRadioButton*>() : b.widget;
    }
    return nullptr;
}

void PageWidget::FocusField(const std::string& id) {
    QWidget* w = FieldWidget(id);
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}
