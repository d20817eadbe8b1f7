#include "model/raw/pov_raw.h"

#include <cmath>
#include <sstream>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/solid_preview.h"
#include "model/text_format.h"
#include "platform/view_port.h"

CPovRaw::CPovRaw() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Keyword = "object";
    UpdateGeometry();
    AssignDefaultNameWithPrefix("Pov_", g_NameCounters.Raw);
}

void CPovRaw::SetNameCounter(long value) {
    g_NameCounters.Raw = value;
}
long CPovRaw::GetNameCounter() const {
    return g_NameCounters.Raw;
}

void CPovRaw::UpdateGeometry() {
    ResetGeometry();
    if (!Movable || !HasBounds) {
        return;
    }
    const Point3& a = BoundsMin;
    const Point3& b = BoundsMax;
    Outline = {{a.X, a.Y, a.Z}, {a.X, b.Y, a.Z}, {b.X, b.Y, a.Z}, {b.X, a.Y, a.Z},
               {a.X, a.Y, b.Z}, {a.X, b.Y, b.Z}, {b.X, b.Y, b.Z}, {b.X, a.Y, b.Z}};
    PlaceOutline();
}

void CPovRaw::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                   int height, double zoom) {
    if (!Movable || !HasBounds) {
        return;
    }
    if (view.GetUseOpenGL()) {
        if (IsPresent()) {
            DrawSolidNow(view);
        }
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawIndexed(d, p, {0, 1, 2, 3, 0});
                 DrawIndexed(d, p, {4, 5, 6, 7, 4});
                 DrawIndexed(d, p, {0, 4});
                 DrawIndexed(d, p, {1, 5});
                 DrawIndexed(d, p, {2, 6});
                 DrawIndexed(d, p, {3, 7});
             });
}

void CPovRaw::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (!IsPresent() || !Movable || !HasBounds) {
        return;
    }
    // the modeller does not know the shape inside: its bounding box stands for it (x mirrored
    // in OpenGL's coordinates)
    const Point3& a = BoundsMin;
    const Point3& b = BoundsMax;
    const SolidTransform box =
        SolidTransform::Translation(-(a.X + b.X) / 2, (a.Y + b.Y) / 2, (a.Z + b.Z) / 2) *
        SolidTransform::Scaling(b.X - a.X, b.Y - a.Y, b.Z - a.Z);
    preview.Add(SolidShape::Box, parent * GlTransform() * box, SolidColour());
}

void CPovRaw::MoveBy(double dx, double dy, const IViewPort& view) {
    if (Movable) {
        CPovObject::MoveBy(dx, dy, view);
    }
}

int CPovRaw::WriteScene(SceneText& out) {
    if (!Movable) {
        out.Printf("%s %s\r\n", kRawStatementMarker, Keyword);
        out.Write(Text);
        out.Printf("%s\r\n\r\n", kRawEndMarker);
        return 1;
    }
    const Vector& t = Translation();
    out.Printf("%s %s %s %.4f %.4f %.4f", kRawObjectMarker, GetName(), Keyword, t.X, t.Y, t.Z);
    if (HasBounds) {
        out.Printf(" %.4f %.4f %.4f %.4f %.4f %.4f", BoundsMin.X, BoundsMin.Y, BoundsMin.Z,
                   BoundsMax.X, BoundsMax.Y, BoundsMax.Z);
    }
    out.Printf("\r\n#declare %s = object {\r\n", GetName());
    out.Write(Text);
    out.Printf("  translate <%.4f,%.4f,%.4f>\r\n}\r\n", t.X, t.Y, t.Z);
    out.Printf("%s\r\n\r\n", kRawEndMarker);
    WriteInstance(out);
    return 1;
}

namespace {

bool EndsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

}  // namespace

bool CPovRaw::ReadMarked(std::string_view header, std::string_view body) {
    std::istringstream words{std::string(header)};
    std::string kind;
    words >> kind;
    if (kind == "object:$") {
        std::string name, keyword;
        double v[9];
        words >> name >> keyword >> v[0] >> v[1] >> v[2];
        if (!words) {
            return false;
        }
        int n = 0;
        while (n < 6 && (words >> v[3 + n])) {
            ++n;
        }
        const std::string head = "#declare " + name + " = object {\r\n";
        if (body.substr(0, head.size()) != head) {
            return false;
        }
        body.remove_prefix(head.size());
        // the last two lines are the translate and the closing brace
        const std::string_view tail = "\r\n}\r\n";
        if (!EndsWith(body, tail)) {
            return false;
        }
        body.remove_suffix(tail.size());
        const size_t lastLine = body.rfind("\r\n");
        const std::string_view translateLine =
            body.substr(lastLine == std::string_view::npos ? 0 : lastLine + 2);
        if (translateLine.substr(0, 13) != "  translate <") {
            return false;
        }
        body.remove_suffix(translateLine.size());
        Name = name;
        Keyword = keyword;
        Text = std::string(body);
        Movable = true;
        Translation() = Vector(v[0], v[1], v[2]);
        HasBounds = n == 6;
        if (HasBounds) {
            BoundsMin = Point3(v[3], v[4], v[5]);
            BoundsMax = Point3(v[6], v[7], v[8]);
        }
        UpdateGeometry();
        return true;
    }
    if (kind == ":$") {
        words >> Keyword;
        Text = std::string(body);
        Movable = false;
        HasBounds = false;
        UpdateGeometry();
        return true;
    }
    return false;
}

void CPovRaw::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovRaw&>(target);
    t.Keyword = Keyword;
    t.Text = Text;
    t.Movable = Movable;
    t.HasBounds = HasBounds;
    t.BoundsMin = BoundsMin;
    t.BoundsMax = BoundsMax;
}

CPovObject* CPovRaw::Clone(CPovObject* target) {
    CPovObject* copy = CPovObject::Clone(target);
    if (copy)
        copy->UpdateGeometry();
    return copy;
}

void CPovRaw::VisitFields(FieldSink& sink) const {
    sink.Text("Keyword", Keyword);
    sink.Text("Text", Text);
    sink.Integer("Movable", Movable ? 1 : 0);
    if (HasBounds) {
        const double bounds[6] = {BoundsMin.X, BoundsMin.Y, BoundsMin.Z,
                                  BoundsMax.X, BoundsMax.Y, BoundsMax.Z};
        sink.Numbers("Bounds", bounds, 6, 3);
    }
}
