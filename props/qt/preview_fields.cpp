#include "props/qt/preview_fields.h"

#include <QVBoxLayout>

#include "preview/qt/preview_frame.h"
#include "preview/qt/preview_icons.h"
#include "props/qt/page_widget.h"
#include "props/sheet_field.h"
#include "props/surfaces/surface_page.h"

namespace {

class LivePreviewWidget : public CustomFieldWidget {
  public:
    explicit LivePreviewWidget(SheetField& field) : field_(field) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        frame_ = new PreviewFrame(this);
        frame_->setFixedSize(frame_->sizeHint());
        frame_->setObjectName("livePreview");
        layout->addWidget(frame_);
    }

    void Sync() override {
        const auto* preview = static_cast<const LivePreview*>(field_.customData);
        if (!preview || preview->scene.empty() || preview->scene == shown_)
            return;
        shown_ = preview->scene;
        frame_->ShowLive(preview->scene, preview->libraryPaths,
                         QString::fromStdString(preview->note));
    }

  private:
    SheetField& field_;
    PreviewFrame* frame_ = nullptr;
    std::string shown_;
};

}  // namespace

void RegisterPreviewFields() {
    RegisterCustomField(kLivePreviewField, [](SheetField& field, std::function<void()>) {
        return new LivePreviewWidget(field);
    });
    RegisterChoiceDecorator(kTexturePreviewIcons,
                            [](QComboBox* combo) { ShowPreviewIcons(combo, 32); });
}
