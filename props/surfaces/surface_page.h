// What the pages of the texture, pigment and halo sheets share: a page that can write its
// values into any surface (the edited one on OK, a scratch copy for the live preview), numbers
// shown in a fixed format and read back exactly while their text stays as shown, the
// "1.0" ... "0.0" lists of the filter and index boxes, and the live preview's data.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "props/page_model.h"

class CPovPigmentOwner;

// A page of the texture and pigment sheet.
class SurfacePage : public PageModel {
  public:
    using PageModel::PageModel;
    // Writes the page's values into target. Numbers that do not read are left as target has
    // them (the live preview runs while the user types).
    virtual void Apply(CPovPigmentOwner& target) const = 0;
};

// The live preview of a surface being edited: the scene a Custom field of the key
// kLivePreviewField shows (its customData points here).
struct LivePreview {
    std::string scene;
    // what the picture cannot show (UTF-8)
    std::string note;
    // folders POV-Ray searches for the image files the surface names
    std::vector<std::string> libraryPaths;
};
inline constexpr const char* kLivePreviewField = "live-preview";

// A copy of the surface that belongs to nothing: same name and values; the name counters are
// left as they were.
std::unique_ptr<CPovPigmentOwner> ScratchCopy(CPovPigmentOwner& surface);

namespace surface_fields {

// "1.0", "0.9", ... "0.0"
const std::vector<std::string>& Tenths();
// An editable choice of Tenths() with a label.
SheetField& AddTenths(PageModel& page, std::string id, std::string label, std::string group = {});
// Shows value as printf would with format ("%.1f", "%f"); while the text stays as shown the
// field reads back value itself.
void ShowFixed(PageModel& page, std::string_view id, double value, const char* format);
// The number of a field read leniently, as the old dialogs did: the leading number of the
// text, 0 when there is none.
double Lenient(const PageModel& page, std::string_view id);
// The number of a field when it reads, else fallback.
double NumberOr(const PageModel& page, std::string_view id, double fallback);
// whether the field's text differs from what it was shown with
bool Edited(const PageModel& page, std::string_view id);

}  // namespace surface_fields
