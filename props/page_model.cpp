#include "props/page_model.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "resources/ui_text.h"

SheetField* PageModel::Find(std::string_view id) {
    for (SheetField& f : fields_)
        if (f.id == id)
            return &f;
    return nullptr;
}

SheetField& PageModel::Field(std::string_view id) {
    if (SheetField* f = Find(id))
        return *f;
    std::fprintf(stderr, "page \"%s\" has no field \"%.*s\"\n", title_.c_str(),
                 static_cast<int>(id.size()), id.data());
    std::abort();
}

const SheetField& PageModel::Field(std::string_view id) const {
    return const_cast<PageModel*>(this)->Field(id);
}

SheetField& PageModel::Add(FieldKind kind, std::string id, std::string label, std::string group) {
    SheetField f;
    f.kind = kind;
    f.id = std::move(id);
    f.label = std::move(label);
    f.group = std::move(group);
    fields_.push_back(std::move(f));
    return fields_.back();
}

SheetField& PageModel::AddNumber(std::string id, std::string label, std::string group,
                                 std::optional<double> min, std::optional<double> max) {
    SheetField& f = Add(FieldKind::Number, std::move(id), std::move(label), std::move(group));
    f.min = min;
    f.max = max;
    return f;
}

void PageModel::AddVector(const std::string& prefix, const std::string& group,
                          std::optional<double> min, std::optional<double> max) {
    AddNumber(prefix + ".x", "X:", group, min, max);
    AddNumber(prefix + ".y", "Y:", group, min, max);
    AddNumber(prefix + ".z", "Z:", group, min, max);
}

void PageModel::SetVector(const std::string& prefix, double x, double y, double z) {
    SetNumber(prefix + ".x", x);
    SetNumber(prefix + ".y", y);
    SetNumber(prefix + ".z", z);
}

std::optional<double> PageModel::Number(std::string_view id) const {
    const SheetField& f = Field(id);
    if (f.text == f.exactText && !f.exactText.empty())
        return f.exact;
    return ParseNumber(f.text);
}

void PageModel::SetNumber(std::string_view id, double value) {
    SheetField& f = Field(id);
    f.exact = value;
    f.text = FormatNumber(value, f.decimals);
    f.exactText = f.text;
}

std::string PageModel::ChosenText(std::string_view id) const {
    const SheetField& f = Field(id);
    if (f.editable)
        return f.text;
    if (f.value >= 0 && f.value < static_cast<int>(f.items.size()))
        return f.items[static_cast<size_t>(f.value)];
    return {};
}

void PageModel::Choose(std::string_view id, const std::string& text) {
    SheetField& f = Field(id);
    f.text = text;
    for (size_t i = 0; i < f.items.size(); ++i) {
        if (f.items[i] == text) {
            f.value = static_cast<int>(i);
            return;
        }
    }
    f.items.push_back(text);
    f.value = static_cast<int>(f.items.size()) - 1;
}

std::optional<std::string> CheckField(const SheetField& f) {
    if (!f.visible || !f.enabled)
        return std::nullopt;
    switch (f.kind) {
        case FieldKind::Number: {
            std::optional<double> v = f.text == f.exactText && !f.exactText.empty()
                                          ? std::optional<double>(f.exact)
                                          : ParseNumber(f.text);
            if (!v)
                return NumberMessage();
            if ((f.min && *v < *f.min) || (f.max && *v > *f.max))
                return NumberRangeMessage(f.min.value_or(-HUGE_VAL), f.max.value_or(HUGE_VAL));
            return std::nullopt;
        }
        case FieldKind::Integer: {
            const std::optional<long long> v = ParseInteger(f.text);
            if (!v)
                return IntegerMessage();
            if ((f.min && *v < *f.min) || (f.max && *v > *f.max))
                return IntegerRangeMessage(f.min.value_or(-2147483648.0),
                                           f.max.value_or(2147483647.0));
            return std::nullopt;
        }
        case FieldKind::Text:
            if (f.maxLength > 0 && Utf8Length(f.text) > f.maxLength)
                return TextLengthMessage(f.maxLength);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<Refusal> PageModel::Validate(SheetModel&) {
    for (const SheetField& f : fields_)
        if (std::optional<std::string> message = CheckField(f))
            return Refusal{f.id, *message};
    return std::nullopt;
}
