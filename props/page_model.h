// One page of a property sheet as a model: its fields, how it copies values in and out, and
// what happens when a field changes or a button is pressed. No toolkit: the Qt page widget
// (props/qt/) lays the fields out and the scripted runner (props/sheet_runner.h) drives them
// in tests.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "props/sheet_field.h"

class SheetModel;

// A value the page refuses, with the message the user is shown.
struct Refusal {
    std::string fieldId;
    std::string message;
};

class PageModel {
  public:
    // title: the tab's text (UTF-8)
    explicit PageModel(std::string title) : title_(std::move(title)) {}
    virtual ~PageModel() = default;
    PageModel(const PageModel&) = delete;
    PageModel& operator=(const PageModel&) = delete;

    const std::string& Title() const { return title_; }
    // a deque: a field added later never moves the ones before it
    std::deque<SheetField>& Fields() { return fields_; }
    const std::deque<SheetField>& Fields() const { return fields_; }
    // the field with the id; a page asks only for its own fields
    SheetField& Field(std::string_view id);
    const SheetField& Field(std::string_view id) const;
    SheetField* Find(std::string_view id);

    // Copies the values in; called once, when the page is shown for the first time.
    virtual void Load(SheetModel&) {}
    // The first value the page refuses. The default checks every visible, enabled number,
    // integer and text field against its range and length.
    virtual std::optional<Refusal> Validate(SheetModel& sheet);
    // Writes the values back (OK); called only for pages that were shown and only after every
    // shown page accepted its values.
    virtual void Store(SheetModel&) {}
    // A field's value changed as the user typed, chose, checked or moved it.
    virtual void Changed(SheetModel&, std::string_view) {}
    // A button was pressed.
    virtual void Pressed(SheetModel&, std::string_view) {}

    bool WasShown() const { return shown_; }
    void MarkShown() { shown_ = true; }

    // Values of fields. Number reads the field as the user typed it (the exact value while the
    // text is as shown); nullopt when the text is no number.
    std::optional<double> Number(std::string_view id) const;
    void SetNumber(std::string_view id, double value);
    const std::string& Text(std::string_view id) const { return Field(id).text; }
    void SetText(std::string_view id, std::string text) { Field(id).text = std::move(text); }
    int Value(std::string_view id) const { return Field(id).value; }
    void SetValue(std::string_view id, int value) { Field(id).value = value; }
    bool Checked(std::string_view id) const { return Field(id).value != 0; }
    // the chosen entry's text of a Choice or Radio field ("" for none); an editable choice
    // gives its text
    std::string ChosenText(std::string_view id) const;
    // chooses the entry with the text; an unknown text is appended first, so that a value
    // read from a file survives the sheet unchanged
    void Choose(std::string_view id, const std::string& text);
    void Show(std::string_view id, bool visible) { Field(id).visible = visible; }
    void Enable(std::string_view id, bool enabled) { Field(id).enabled = enabled; }

    // Builders; each returns the new field for further settings.
    SheetField& Add(FieldKind kind, std::string id, std::string label, std::string group = {});
    SheetField& AddNumber(std::string id, std::string label, std::string group = {},
                          std::optional<double> min = {}, std::optional<double> max = {});
    // x, y and z of a vector in a group box: ids prefix + ".x", ".y", ".z", labels X:, Y:, Z:
    void AddVector(const std::string& prefix, const std::string& group,
                   std::optional<double> min = {}, std::optional<double> max = {});
    void SetVector(const std::string& prefix, double x, double y, double z);

  private:
    std::string title_;
    std::deque<SheetField> fields_;
    bool shown_ = false;
};

// Checks one field as the default Validate does.
std::optional<std::string> CheckField(const SheetField& field);
