#include "model/shapes/pov_ttf.h"

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <deque>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/scene_host.h"
#include "model/shapes/font_file_lookup.h"
#include "platform/editor_host.h"
#include "platform/font_outlines.h"
#include "platform/prompts.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

namespace {

void ShowFontError(int code) {
    int id = IDS_FONT_UNKNOWN_ERROR;
    if (code == kFontOpenError)
        id = IDS_FONT_OPEN_ERROR;
    else if (code == kFontReadError || code == kFontGlyphError)
        id = IDS_FONT_READ_ERROR;
    else if (code == kFontMemoryError)
        id = IDS_FONT_MEMORY_ERROR;
    GetPrompts().Message(LoadString(id));
}

// ---------------------------------------------------------------------------------------------
// the GLU tessellator for the text's faces

using Vertex = std::array<GLdouble, 3>;

// What the tessellator delivers for one face: independent triangles (an edge-flag callback
// makes it send no fans or strips), each vertex with the face's normal.
struct TessData {
    // points made where contours cross; their addresses must stay put until the polygon ends
    std::deque<Vertex> made;
    std::vector<float> triangles;
    float normalZ = 0.0f;
};

void GLAPIENTRY TessBegin(GLenum, void*) {}
void GLAPIENTRY TessEnd(void*) {}
void GLAPIENTRY TessEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY TessVertex(void* vertex, void* data) {
    auto* tess = static_cast<TessData*>(data);
    const auto* v = static_cast<const GLdouble*>(vertex);
    const float values[6] = {static_cast<float>(v[0]),
                             static_cast<float>(v[1]),
                             static_cast<float>(v[2]),
                             0.0f,
                             0.0f,
                             tess->normalZ};
    tess->triangles.insert(tess->triangles.end(), values, values + 6);
}
void GLAPIENTRY TessError(GLenum, void*) {}
void GLAPIENTRY TessCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data) {
    auto* tess = static_cast<TessData*>(data);
    tess->made.push_back({coords[0], coords[1], coords[2]});
    *out = tess->made.back().data();
}

template <typename F>
_GLUfuncptr Callback(F* f) {
    return reinterpret_cast<_GLUfuncptr>(f);
}

}  // namespace

CPovTTF::CPovTTF() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_TEXT, g_NameCounters.TTF);
}

void CPovTTF::SetNameCounter(long value) {
    g_NameCounters.TTF = value;
}
long CPovTTF::GetNameCounter() const {
    return g_NameCounters.TTF;
}

// ---------------------------------------------------------------------------------------------
// font file and text

bool CPovTTF::IsUsableFontFile(std::string_view file) {
    if (file.find_first_of("\"\r\n") != std::string_view::npos)
        return false;
    return file.empty() || file.back() != '\\';
}

bool CPovTTF::SetFontFile(std::string_view file) {
    if (!IsUsableFontFile(file))
        return false;
    FontFile = file;
    return true;
}

std::string CPovTTF::TextForScene(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '"')
            c = '\'';
        else if (c == '\\')
            c = '/';
        else if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

std::string CPovTTF::FontFileForScene(std::string_view file) {
    std::string out;
    for (char c : file)
        if (c != '"' && c != '\r' && c != '\n')
            out += c;
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

bool CPovTTF::SetText(std::string_view text) {
    const bool whole = text.size() <= kMaxTextLength;
    Text = TextForScene(text.substr(0, kMaxTextLength));
    return whole;
}

std::string CPovTTF::SceneFolder() const {
    if (Document)
        return Document->GetSceneFolder();
    if (CurrentDocument)
        return CurrentDocument->GetSceneFolder();
    return {};
}

std::string CPovTTF::AttemptKey() const {
    return orv::Format("%s\n%s\n%.6f", FontFile, Text, Spacing);
}

bool CPovTTF::LoadOutline(bool takeScale) {
    lastAttempt_ = AttemptKey();
    IFontOutlines& fonts = GetFontOutlines();
    const int handle = fonts.Open(ResolveFontFile(FontFile, SceneFolder()));
    if (handle <= 0) {
        ShowFontError(handle);
        return false;
    }
    if (takeScale)
        FontScale = fonts.GetScale(handle);
    std::vector<GlyphPoint> points;
    const int result =
        fonts.Outline(handle, Text, Spacing, [&points](double x, double y, int flags) {
            const bool start = points.empty() || (flags & 0xFF) != 0;
            points.push_back({x, y, start ? 0 : points.back().Index + 1});
        });
    fonts.Close(handle);
    if (result < 0) {
        ShowFontError(result);
        return false;
    }
    GlyphOutline = std::move(points);
    return true;
}

// ---------------------------------------------------------------------------------------------
// geometry and drawing

void CPovTTF::UpdateGeometry() {
    if (Editing)
        return;
    if (GlyphOutline.empty() && !FontFile.empty() && AttemptKey() != lastAttempt_)
        LoadOutline(true);
    ResetGeometry();
    solidMesh_.reset();
    Outline.reserve(2 * GlyphOutline.size());
    for (const GlyphPoint& g : GlyphOutline) {
        Outline.emplace_back(g.X, g.Y, 0.0);
        Outline.emplace_back(g.X, g.Y, Thickness);
    }
    PlaceOutline();
}

std::shared_ptr<const SolidMesh> CPovTTF::BuildSolidMesh() const {
    auto mesh = std::make_shared<SolidMesh>();
    const size_t n = GlyphOutline.size();
    if (n == 0)
        return mesh;
    // the depth follows Thickness, as POV-Ray extrudes the text
    const double depth = Thickness;

    // contours as [first, end) ranges of GlyphOutline
    std::vector<std::pair<size_t, size_t>> contours;
    for (size_t i = 0; i < n; ++i) {
        if (i == 0 || GlyphOutline[i].Index == 0)
            contours.push_back({i, i});
        contours.back().second = i + 1;
    }

    if (GLUtesselator* tess = gluNewTess()) {
        gluTessCallback(tess, GLU_TESS_BEGIN_DATA, Callback(TessBegin));
        gluTessCallback(tess, GLU_TESS_END_DATA, Callback(TessEnd));
        gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, Callback(TessEdgeFlag));
        gluTessCallback(tess, GLU_TESS_VERTEX_DATA, Callback(TessVertex));
        gluTessCallback(tess, GLU_TESS_ERROR_DATA, Callback(TessError));
        gluTessCallback(tess, GLU_TESS_COMBINE_DATA, Callback(TessCombine));
        gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
        std::vector<Vertex> vertices(n);
        // front face on z = 0 facing -z, back face on z = depth facing +z; x mirrored
        for (const double z : {0.0, depth}) {
            const double facing = z == 0.0 ? -1.0 : 1.0;
            for (size_t i = 0; i < n; ++i)
                vertices[i] = {-GlyphOutline[i].X, GlyphOutline[i].Y, z};
            TessData data;
            data.normalZ = static_cast<float>(facing);
            gluTessNormal(tess, 0.0, 0.0, facing);
            gluTessBeginPolygon(tess, &data);
            for (const auto& [first, end] : contours) {
                gluTessBeginContour(tess);
                for (size_t i = first; i < end; ++i)
                    gluTessVertex(tess, vertices[i].data(), vertices[i].data());
                gluTessEndContour(tess);
            }
            gluTessEndPolygon(tess);
            mesh->Add(SolidMesh::Mode::Triangles, data.triangles.data(),
                      static_cast<uint32_t>(data.triangles.size() / 6));
        }
        gluDeleteTess(tess);
    }

    // side walls: the filled area lies to the right of each contour, so outwards is left
    std::vector<float> walls;
    for (const auto& [first, end] : contours) {
        for (size_t i = first; i < end; ++i) {
            const GlyphPoint& p = GlyphOutline[i];
            const GlyphPoint& q = GlyphOutline[i + 1 == end ? first : i + 1];
            const double dx = q.X - p.X, dy = q.Y - p.Y;
            const double length = std::hypot(dx, dy);
            if (length <= 0.0)
                continue;
            // the normal (-dy, dx) with x mirrored
            const auto nx = static_cast<float>(dy / length), ny = static_cast<float>(dx / length);
            for (const auto& [x, y, z] :
                 {std::array<double, 3>{-p.X, p.Y, 0.0}, std::array<double, 3>{-q.X, q.Y, 0.0},
                  std::array<double, 3>{-q.X, q.Y, depth},
                  std::array<double, 3>{-p.X, p.Y, depth}}) {
                const float values[6] = {static_cast<float>(x),
                                         static_cast<float>(y),
                                         static_cast<float>(z),
                                         nx,
                                         ny,
                                         0.0f};
                walls.insert(walls.end(), values, values + 6);
            }
        }
    }
    mesh->Add(SolidMesh::Mode::Quads, walls.data(), static_cast<uint32_t>(walls.size() / 6));
    return mesh;
}

void CPovTTF::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (!IsPresent() || FontFile.size() <= 3)
        return;
    // the faces are tessellated once per outline, not for every picture
    if (!solidMesh_)
        solidMesh_ = BuildSolidMesh();
    preview.AddMesh(parent * GlTransform() * SolidTransform::Scaling(FontScale, FontScale, 1.0),
                    SolidColour(), solidMesh_);
}

void CPovTTF::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                   int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [this](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 const size_t n = std::min(GlyphOutline.size(), p.size() / 2);
                 std::vector<PixelPoint> front, back;
                 auto closeContour = [&]() {
                     if (front.empty())
                         return;
                     front.push_back(front.front());
                     back.push_back(back.front());
                     d.Polyline(front.data(), front.size());
                     d.Polyline(back.data(), back.size());
                     front.clear();
                     back.clear();
                 };
                 for (size_t i = 0; i < n; ++i) {
                     if (GlyphOutline[i].Index == 0)
                         closeContour();
                     front.push_back(p[2 * i]);
                     back.push_back(p[2 * i + 1]);
                     d.Line(p[2 * i], p[2 * i + 1]);
                 }
                 closeContour();
             });
}

// ---------------------------------------------------------------------------------------------
// scene text, sheet, copy, fields

int CPovTTF::WriteScene(SceneText& out) {
    const std::string head = orv::Format("#declare %s = text {\r\n", GetName());
    std::string geometry;
    orv::AppendFormat(geometry, "  ttf \"%s\"\r\n", FontFileForScene(FontFile));
    orv::AppendFormat(geometry, "  \"%s\"\r\n", TextForScene(Text));
    orv::AppendFormat(geometry, "  %.4f\r\n  <%.4f,0.0000,0.0000>\r\n", Thickness, Spacing);
    WriteSolidBlock(out, head, {}, geometry);
    return 1;
}

int CPovTTF::EditProperties() {
    Editing = 1;
    const int result = GetEditorHost().EditProperties(*this, LoadString(IDS_CAPTION_TEXT));
    if (result != kDialogOk) {
        Editing = 0;
        return result;
    }
    LoadOutline(true);
    Editing = 0;
    UpdateGeometry();
    if (Document)
        Document->SetModifiedFlag(true);
    return result;
}

void CPovTTF::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovTTF&>(target);
    // the same font, text and spacing give the same outline: no second read of the font
    t.FontFile = FontFile;
    t.Text = Text;
    t.Spacing = Spacing;
    t.Thickness = Thickness;
    t.FontScale = FontScale;
    t.GlyphOutline = GlyphOutline;
    t.lastAttempt_ = lastAttempt_;
}

void CPovTTF::VisitFields(FieldSink& sink) const {
    sink.Integer("Editing", Editing);
    sink.Number("FontScale", FontScale);
    sink.Text("FontFile", FontFile);
    sink.Text("Text", Text);
    sink.Number("Spacing", Spacing);
    sink.Number("Thickness", Thickness);
    std::vector<double> flat;
    flat.reserve(3 * GlyphOutline.size());
    for (const GlyphPoint& g : GlyphOutline) {
        flat.push_back(g.X);
        flat.push_back(g.Y);
        flat.push_back(g.Index);
    }
    sink.Numbers("GlyphOutline", flat.data(), flat.size(), 3);
}
