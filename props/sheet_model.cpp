#include "props/sheet_model.h"

namespace {

class CancellingServices : public ISheetServices {
  public:
    std::optional<uint32_t> PickColor(uint32_t) override { return std::nullopt; }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<FontFace> ChooseFont(const std::vector<FontFace>&, const std::string&) override {
        return std::nullopt;
    }
    int RunSheet(SheetModel& sheet) override {
        sheet.Cancel();
        return 2;
    }
};

}  // namespace

ISheetServices& NoSheetServices() {
    static CancellingServices services;
    return services;
}

PageModel* SheetModel::FindPage(const std::string& title) {
    for (auto& p : pages_)
        if (p->Title() == title)
            return p.get();
    return nullptr;
}

void SheetModel::Activate(size_t index) {
    if (index >= pages_.size())
        return;
    active_ = index;
    PageModel& page = *pages_[index];
    if (!page.WasShown()) {
        page.MarkShown();
        page.Load(*this);
    }
}

std::optional<SheetRefusal> SheetModel::CheckActivePage() {
    if (active_ >= pages_.size() || !pages_[active_]->WasShown())
        return std::nullopt;
    if (std::optional<Refusal> r = pages_[active_]->Validate(*this))
        return SheetRefusal{active_, r->fieldId, r->message};
    return std::nullopt;
}

std::optional<SheetRefusal> SheetModel::Ok() {
    // the shown page first: that is where the user stands
    if (std::optional<SheetRefusal> r = CheckActivePage())
        return r;
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (!pages_[i]->WasShown())
            continue;
        if (std::optional<Refusal> r = pages_[i]->Validate(*this))
            return SheetRefusal{i, r->fieldId, r->message};
    }
    for (auto& p : pages_)
        if (p->WasShown())
            p->Store(*this);
    Finish(true);
    return std::nullopt;
}

void SheetModel::Cancel() {
    Finish(false);
}
