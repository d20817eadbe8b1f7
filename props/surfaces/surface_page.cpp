#include "props/surfaces/surface_page.h"

#include <charconv>

#include "model/name_counters.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "model/text_format.h"

std::unique_ptr<CPovPigmentOwner> ScratchCopy(CPovPigmentOwner& surface) {
    const NameCounters counters = g_NameCounters;
    std::unique_ptr<CPovPigmentOwner> copy(static_cast<CPovPigmentOwner*>(surface.Clone()));
    g_NameCounters = counters;
    copy->Name = surface.Name;
    return copy;
}

namespace surface_fields {

const std::vector<std::string>& Tenths() {
    static const std::vector<std::string> list = {"1.0", "0.9", "0.8", "0.7", "0.6", "0.5",
                                                  "0.4", "0.3", "0.2", "0.1", "0.0"};
    return list;
}

SheetField& AddTenths(PageModel& page, std::string id, std::string label, std::string group) {
    SheetField& f = page.Add(FieldKind::Choice, std::move(id), std::move(label), std::move(group));
    f.editable = true;
    f.items = Tenths();
    f.value = -1;
    return f;
}

void ShowFixed(PageModel& page, std::string_view id, double value, const char* format) {
    SheetField& f = page.Field(id);
    f.text = orv::Format(format, value);
    f.exact = value;
    f.exactText = f.text;
    f.value = -1;
    for (size_t i = 0; i < f.items.size(); ++i)
        if (f.items[i] == f.text)
            f.value = static_cast<int>(i);
}

double Lenient(const PageModel& page, std::string_view id) {
    if (std::optional<double> v = page.Number(id))
        return *v;
    const std::string& text = page.Text(id);
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

double NumberOr(const PageModel& page, std::string_view id, double fallback) {
    return page.Number(id).value_or(fallback);
}

bool Edited(const PageModel& page, std::string_view id) {
    const SheetField& f = page.Field(id);
    return f.text != f.exactText;
}

}  // namespace surface_fields
