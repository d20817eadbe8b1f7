#include "props/sheet_runner.h"

#include "props/sheet_factory.h"

SheetRunner::SheetRunner(SheetModel& sheet) : sheet_(sheet) {
    sheet_.Activate(0);
}

bool SheetRunner::ShowPage(const std::string& title) {
    for (size_t i = 0; i < sheet_.PageCount(); ++i) {
        if (sheet_.Page(i).Title() != title)
            continue;
        refused_ = sheet_.CheckActivePage();
        if (refused_)
            return false;
        sheet_.Activate(i);
        return true;
    }
    return false;
}

SheetField* SheetRunner::Usable(const std::string& id) {
    SheetField* f = Page().Find(id);
    return f && f->visible && f->enabled ? f : nullptr;
}

bool SheetRunner::Type(const std::string& id, const std::string& text) {
    SheetField* f = Usable(id);
    if (!f)
        return false;
    f->text = text;
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::Check(const std::string& id, bool checked) {
    SheetField* f = Usable(id);
    if (!f || f->kind != FieldKind::Check)
        return false;
    f->value = checked ? 1 : 0;
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::Choose(const std::string& id, const std::string& text) {
    SheetField* f = Usable(id);
    if (!f)
        return false;
    for (size_t i = 0; i < f->items.size(); ++i)
        if (f->items[i] == text)
            return ChooseIndex(id, static_cast<int>(i));
    if (!f->editable)
        return false;
    f->text = text;
    f->value = -1;
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::ChooseIndex(const std::string& id, int index) {
    SheetField* f = Usable(id);
    if (!f || index < 0 || index >= static_cast<int>(f->items.size()))
        return false;
    f->value = index;
    f->text = f->items[static_cast<size_t>(index)];
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::Select(const std::string& id, const std::vector<int>& indices) {
    SheetField* f = Usable(id);
    if (!f || f->kind != FieldKind::List)
        return false;
    f->selected.assign(f->items.size(), false);
    for (int i : indices) {
        if (i < 0 || i >= static_cast<int>(f->items.size()))
            return false;
        f->selected[static_cast<size_t>(i)] = true;
    }
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::Slide(const std::string& id, int position) {
    SheetField* f = Usable(id);
    if (!f || f->kind != FieldKind::Slider)
        return false;
    f->value = position;
    Page().Changed(sheet_, id);
    return true;
}

bool SheetRunner::Press(const std::string& id) {
    SheetField* f = Usable(id);
    if (!f || f->kind != FieldKind::Button)
        return false;
    Page().Pressed(sheet_, id);
    return true;
}

bool SheetRunner::Ok() {
    refused_ = sheet_.Ok();
    if (refused_)
        sheet_.Activate(refused_->page);
    return !refused_;
}

void SheetRunner::Cancel() {
    sheet_.Cancel();
}

std::optional<uint32_t> ScriptedSheetServices::PickColor(uint32_t) {
    if (colors.empty())
        return std::nullopt;
    auto answer = colors.front();
    colors.pop_front();
    return answer;
}

std::optional<std::string> ScriptedSheetServices::OpenFileName(const std::string&,
                                                               const std::string&,
                                                               const std::string&) {
    if (files.empty())
        return std::nullopt;
    auto answer = files.front();
    files.pop_front();
    return answer;
}

std::optional<FontFace> ScriptedSheetServices::ChooseFont(const std::vector<FontFace>&,
                                                          const std::string&) {
    if (fonts.empty())
        return std::nullopt;
    auto answer = fonts.front();
    fonts.pop_front();
    return answer;
}

int ScriptedSheetServices::RunSheet(SheetModel& sheet) {
    nestedCaptions.push_back(sheet.Caption());
    sheet.SetServices(this);
    SheetRunner runner(sheet);
    if (nested)
        return nested(runner);
    return runner.Ok() ? 1 : 2;
}

int ScriptedSheetHost::EditProperties(CPovObject& object, const std::string& caption) {
    return RunObjectSheet(object, caption, services, [this](SheetModel& sheet) {
        captions.push_back(sheet.Caption());
        SheetRunner runner(sheet);
        if (script)
            return script(runner);
        return runner.Ok() ? 1 : 2;
    });
}
