// Runs property sheets without a display: a runner that drives a sheet as a user does
// (showing pages, typing, choosing, pressing buttons, OK and Cancel), services that answer
// the colour, file and font dialogs from a script, and an editor host that opens an object's
// real sheet and hands it to a script. The tests use them; so can any batch caller.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/editor_host.h"
#include "props/sheet_model.h"

class SheetRunner {
  public:
    // Opens the sheet: its first page is shown.
    explicit SheetRunner(SheetModel& sheet);

    SheetModel& Sheet() { return sheet_; }
    // the page shown
    PageModel& Page() { return sheet_.Page(sheet_.ActivePage()); }
    const SheetField& Field(const std::string& id) { return Page().Field(id); }

    // Shows the page with the title; false (and Refused() says why) when the shown page
    // keeps the user because of a refused value, or when there is no such page.
    bool ShowPage(const std::string& title);
    // The user's actions on the shown page; false when the field is hidden or disabled.
    bool Type(const std::string& id, const std::string& text);
    bool Check(const std::string& id, bool checked);
    bool Choose(const std::string& id, const std::string& text);
    bool ChooseIndex(const std::string& id, int index);
    bool Select(const std::string& id, const std::vector<int>& indices);
    bool Slide(const std::string& id, int position);
    bool Press(const std::string& id);

    // OK: true when the sheet closed; false when a value was refused: the sheet then shows
    // the refusing page and Refused() holds the field and the message.
    bool Ok();
    void Cancel();
    const std::optional<SheetRefusal>& Refused() const { return refused_; }

  private:
    SheetField* Usable(const std::string& id);

    SheetModel& sheet_;
    std::optional<SheetRefusal> refused_;
};

// Dialog answers from a script, in order; an empty queue answers "cancelled".
class ScriptedSheetServices : public ISheetServices {
  public:
    std::optional<uint32_t> PickColor(uint32_t initial) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                            const std::string& initial) override;
    std::optional<FontFace> ChooseFont(const std::vector<FontFace>& faces,
                                       const std::string& current) override;
    int RunSheet(SheetModel& sheet) override;

    std::deque<std::optional<uint32_t>> colors;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<FontFace>> fonts;
    // drives a nested sheet; without one the nested sheet is closed with OK unchanged
    std::function<int(SheetRunner&)> nested;
    std::vector<std::string> nestedCaptions;
};

// Opens an object's real sheet and lets the script drive it (default: OK without changes).
class ScriptedSheetHost : public IEditorHost {
  public:
    int EditProperties(CPovObject& object, const std::string& caption) override;

    std::function<int(SheetRunner&)> script;
    ScriptedSheetServices services;
    // captions (UTF-8) of the sheets opened
    std::vector<std::string> captions;
};

// Installs itself as the editor host for its lifetime.
class ScopedSheetHost : public ScriptedSheetHost {
  public:
    ScopedSheetHost() { SetEditorHost(this); }
    ~ScopedSheetHost() override { SetEditorHost(nullptr); }
};
