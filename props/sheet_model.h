// A property sheet as a model: a caption and pages, the page being shown, and what OK and
// Cancel do. Object sheets (CPropObject) and the settings sheets derive from it; a plain
// dialog (one page, OK and Cancel only) is a sheet too.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "props/page_model.h"
#include "props/sheet_services.h"

// A refused value and the page it stands on.
struct SheetRefusal {
    size_t page = 0;
    std::string fieldId;
    std::string message;
};

class SheetModel {
  public:
    // caption: the window title (UTF-8)
    explicit SheetModel(std::string caption) : caption_(std::move(caption)) {}
    virtual ~SheetModel() = default;
    SheetModel(const SheetModel&) = delete;
    SheetModel& operator=(const SheetModel&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }

    // Adds a page at the end; returns it.
    template <typename Page>
    Page& AddPage(std::unique_ptr<Page> page) {
        Page& p = *page;
        pages_.push_back(std::move(page));
        return p;
    }
    size_t PageCount() const { return pages_.size(); }
    PageModel& Page(size_t index) { return *pages_.at(index); }
    // the page with the title, or nullptr
    PageModel* FindPage(const std::string& title);

    // Shows a page: the first time, its values are copied in. The first page is shown when
    // the sheet opens.
    void Activate(size_t index);
    size_t ActivePage() const { return active_; }
    // Whether the shown page lets the user leave it (its values are all accepted).
    std::optional<SheetRefusal> CheckActivePage();

    // OK: checks every shown page; on a refusal nothing is written and the refusal says where.
    // Otherwise every shown page writes its values in page order and Finish(true) runs.
    std::optional<SheetRefusal> Ok();
    // Cancel: nothing is written; Finish(false) runs.
    void Cancel();

    ISheetServices& Services() const { return services_ ? *services_ : NoSheetServices(); }
    void SetServices(ISheetServices* services) { services_ = services; }

    // Buttons of the frame. A plain dialog shows no tabs and only OK and Cancel.
    bool Plain() const { return plain_; }
    void SetPlain(bool plain) { plain_ = plain; }
    // text of the button that closes a dialog without OK and Cancel ("Schließen"); empty = OK
    // and Cancel
    const std::string& CloseText() const { return closeText_; }
    void SetCloseText(std::string text) { closeText_ = std::move(text); }
    // the topic of the program help ("Hilfe"), empty = the help's contents
    virtual std::string HelpTopic() const { return {}; }
    // POV-Ray's keyword for "Referenz"; empty = no "Referenz" button
    virtual std::string ReferenceKeyword() const { return {}; }

  protected:
    // After the pages stored their values (ok) or after Cancel.
    virtual void Finish(bool) {}

  private:
    std::string caption_;
    std::vector<std::unique_ptr<PageModel>> pages_;
    size_t active_ = 0;
    ISheetServices* services_ = nullptr;
    bool plain_ = false;
    std::string closeText_;
};
