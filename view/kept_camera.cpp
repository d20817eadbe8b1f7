#include "view/kept_camera.h"

#include <cctype>
#include <cmath>
#include <string>

#include "document/orvanta_doc.h"
#include "model/raw/pov_raw.h"
#include "model/text_format.h"
#include "view/vec3.h"

namespace {

using namespace vec3;

// The statement's words and values in order; a number is a vector of one component.
class CameraText {
  public:
    explicit CameraText(std::string_view text) : text_(text) {}

    void SkipSpace() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }
    bool AtEnd() {
        SkipSpace();
        return at_ >= text_.size();
    }
    bool Take(char c) {
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    std::string_view Word() {
        SkipSpace();
        const size_t start = at_;
        while (at_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_'))
            ++at_;
        return text_.substr(start, at_ - start);
    }
    std::optional<double> Number() {
        SkipSpace();
        const size_t start = at_;
        while (at_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[at_])) ||
                std::string_view("+-.eE").find(text_[at_]) != std::string_view::npos))
            ++at_;
        if (at_ == start)
            return std::nullopt;
        const double v = orv::ParseDouble(text_.substr(start, at_ - start));
        return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    }
    // "<x, y, z>"
    std::optional<Vec3> Vector() {
        if (!Take('<'))
            return std::nullopt;
        Vec3 v{};
        for (int i = 0; i < 3; ++i) {
            const std::optional<double> c = Number();
            if (!c || (i < 2 && !Take(',')))
                return std::nullopt;
            v[static_cast<size_t>(i)] = *c;
        }
        return Take('>') ? std::optional<Vec3>(v) : std::nullopt;
    }

  private:
    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

std::optional<KeptCameraSight> ReadKeptCamera(std::string_view text) {
    CameraText t(text);
    if (t.Word() != "camera" || !t.Take('{'))
        return std::nullopt;
    // POV-Ray's defaults
    Vec3 location{0, 0, 0}, direction{0, 0, 1}, right{4.0 / 3.0, 0, 0}, up{0, 1, 0}, sky{0, 1, 0};
    std::optional<double> angle;
    while (!t.Take('}')) {
        if (t.AtEnd())
            return std::nullopt;
        const std::string_view word = t.Word();
        if (word == "perspective")
            continue;
        if (word == "angle") {
            angle = t.Number();
            if (!angle || !(*angle > 0.0 && *angle < 180.0))
                return std::nullopt;
            continue;
        }
        const std::optional<Vec3> v = t.Vector();
        if (!v)
            return std::nullopt;
        if (word == "location") {
            location = *v;
        } else if (word == "direction") {
            direction = *v;
        } else if (word == "right") {
            right = *v;
        } else if (word == "up") {
            up = *v;
        } else if (word == "sky") {
            sky = *v;
        } else if (word == "look_at") {
            // turns the camera towards the point, the sky up, keeping the vectors' lengths; the
            // right vector keeps its side of up and direction only when it clearly had it
            const double handedness = Dot(Cross(up, direction), right);
            const std::optional<Vec3> forward = Unit(Sub(*v, location));
            const std::optional<Vec3> side = forward ? Unit(Cross(sky, *forward)) : std::nullopt;
            if (!side)
                return std::nullopt;
            const Vec3 upward = Cross(*forward, *side);
            direction = Scale(*forward, Length(direction));
            right = Scale(*side, handedness > 0.0 ? Length(right) : -Length(right));
            up = Scale(upward, Length(up));
        } else {
            return std::nullopt;
        }
    }
    // the angle sets how far the picture stands before the eye, for the width of the picture
    double depth = Length(direction);
    if (angle)
        depth = 0.5 * Length(right) / std::tan(*angle * std::acos(-1.0) / 360.0);
    const std::optional<Vec3> forward = Unit(direction);
    const std::optional<Vec3> upward = Unit(up);
    if (!(depth > 0.0) || !forward || !upward)
        return std::nullopt;
    KeptCameraSight sight;
    sight.location = location;
    sight.lookAt = {location[0] + (*forward)[0], location[1] + (*forward)[1],
                    location[2] + (*forward)[2]};
    sight.up = *upward;
    sight.fieldOfView = std::atan(0.5 * Length(up) / depth) * 360.0 / std::acos(-1.0);
    // POV-Ray's right vector lies along up x direction; one the other way turns the picture
    // round
    sight.mirrored = Dot(Cross(up, direction), right) < 0.0;
    return sight;
}

std::optional<KeptCameraSight> KeptCameraOf(const COrvantaDoc& doc) {
    const CPovRaw* camera = nullptr;
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (o->GetType() == kKindRaw && o->IsPresent() &&
            static_cast<const CPovRaw*>(o)->Keyword == "camera")
            camera = static_cast<const CPovRaw*>(o);
    if (!camera)
        return std::nullopt;
    if (std::optional<KeptCameraSight> sight = ReadKeptCamera(camera->Text))
        return sight;
    // "camera { Name }": the camera declared under that name, kept as text as well
    CameraText t(camera->Text);
    if (t.Word() != "camera" || !t.Take('{'))
        return std::nullopt;
    const std::string_view name = t.Word();
    if (name.empty() || !t.Take('}'))
        return std::nullopt;
    const std::string declared = "#declare " + std::string(name) + " =";
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (o->GetType() == kKindRaw && o != camera) {
            const std::string& text = static_cast<const CPovRaw*>(o)->Text;
            const size_t at = text.find(declared);
            if (at != std::string::npos)
                return ReadKeptCamera(std::string_view(text).substr(at + declared.size()));
        }
    return std::nullopt;
}
