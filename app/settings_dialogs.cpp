#include "app/settings_dialogs.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/logic/program_settings.h"
#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "props/qt/page_widget.h"
#include "props/qt/qt_sheet_services.h"
#include "props/qt/sheet_dialog.h"
#include "props/settings/settings_pages.h"
#include "props/settings/settings_sheet.h"
#include "props/sheet_field.h"

namespace {

// A multi-line text (the author page's address and e-mail) kept in the field's text.
class MultiLineField : public CustomFieldWidget {
  public:
    MultiLineField(SheetField& field, std::function<void()> changed)
        : field_(field), changed_(std::move(changed)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        edit_ = new QPlainTextEdit(this);
        edit_->setTabChangesFocus(true);
        edit_->setMinimumHeight(edit_->fontMetrics().lineSpacing() * 5);
        layout->addWidget(edit_);
        setFocusProxy(edit_);
        connect(edit_, &QPlainTextEdit::textChanged, this, [this] {
            if (syncing_)
                return;
            field_.text = edit_->toPlainText().toStdString();
            changed_();
        });
        Sync();
    }
    void Sync() override {
        const QString text = QString::fromStdString(field_.text);
        if (edit_->toPlainText() == text)
            return;
        syncing_ = true;
        edit_->setPlainText(text);
        syncing_ = false;
    }

  private:
    SheetField& field_;
    std::function<void()> changed_;
    QPlainTextEdit* edit_ = nullptr;
    bool syncing_ = false;
};

int Run(QWidget* parent, SheetModel& sheet) {
    QtSheetServices services(parent);
    sheet.SetServices(&services);
    SheetDialog dialog(sheet, parent);
    dialog.setObjectName("settingsSheet");
    const int result = dialog.Run();
    sheet.SetServices(nullptr);
    return result;
}

}  // namespace

void RegisterMultiLineField() {
    RegisterCustomField(kMultiLineField,
                        [](SheetField& field, std::function<void()> changed) -> CustomFieldWidget* {
                            return new MultiLineField(field, std::move(changed));
                        });
}

int RunDocumentSettings(QWidget* parent, COrvantaDoc& document) {
    std::unique_ptr<CSettingsSheet> sheet = CSettingsSheet::ForDocument(document);
    // settings changed with OK are one step the user can take back; Cancel leaves none
    EditStep step(document, StepLabel("Einstellungen"));
    document.History().RecordSettings();
    return Run(parent, *sheet);
}

int RunProgramSettings(QWidget* parent, COrvantaDoc* document) {
    std::unique_ptr<CSettingsSheet> sheet = CSettingsSheet::ForProgram();
    const int result = Run(parent, *sheet);
    if (document)
        ApplyCameraOptions(sheet->Options(), *document);
    return result;
}
