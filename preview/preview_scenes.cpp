#include "preview/preview_scenes.h"

#include <set>

#include "model/scene_text.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "resources/ui_text.h"

namespace {

// the include files of a scene file plus the skies, in the order the scene writer uses
const char* const kStandardIncludes[] = {"colors.inc", "textures.inc", "shapes.inc", "stoneold.inc",
                                         "consts.inc", "glass.inc",    "golds.inc",  "metals.inc",
                                         "woods.inc",  "skies.inc",    "stones.inc"};

void WriteHeader(SceneText& out, const std::vector<std::string>& extraIncludes) {
    out.Write("// Orvanta Modeller preview picture\r\n");
    out.Write("#version 3.7;\r\nglobal_settings { assumed_gamma 1.0 }\r\n");
    for (const char* name : kStandardIncludes)
        out.Printf("#include \"%s\"\r\n", name);
    for (const std::string& name : extraIncludes)
        out.Printf("#include \"%s\"\r\n", name);
}

// camera, lights and the checkered floor under a sphere of radius 1 at the origin
void WriteStage(SceneText& out) {
    out.Write(
        "camera { location <0, 1.6, -5.0> up y right x*image_width/image_height\r\n"
        "         look_at <0, -0.15, 0> angle 34 }\r\n"
        "light_source { <-6, 9, -7> color rgb 1 }\r\n"
        "light_source { <5, 3, -6> color rgb 0.35 shadowless }\r\n"
        "background { color rgb <0.55, 0.62, 0.72> }\r\n"
        "plane { y, -1 pigment { checker color rgb 0.92 color rgb 0.35 scale 0.5 }\r\n"
        "        finish { ambient 0.2 diffuse 0.7 } }\r\n");
}

constexpr const char* kUnknownLook = "pigment { color rgb 0.6 }";

void WriteTextureSphere(SceneText& out, const std::string& name) {
    if (IsPovIdentifier(name))
        out.Printf("sphere { 0, 1\r\n  #ifdef (%s) texture { %s } #else %s #end\r\n}\r\n", name,
                   name, kUnknownLook);
    else
        out.Printf("sphere { 0, 1 %s }\r\n", kUnknownLook);
}

void WriteSky(SceneText& out, const std::string& sky) {
    out.Write(
        "camera { location <0, 0.5, -4> up y right x*image_width/image_height\r\n"
        "         look_at <0, 2.2, 0> angle 70 }\r\n"
        "light_source { <-6, 9, -7> color rgb 1 }\r\n");
    out.Printf("sky_sphere { %s }\r\n", sky);
    out.Write(
        "plane { y, -1 pigment { checker color rgb 0.92 color rgb 0.35 scale 0.5 }\r\n"
        "        finish { ambient 0.2 diffuse 0.7 } }\r\n");
}

void WriteFog(SceneText& out, const std::string& type) {
    out.Write(
        "camera { location <0, 1.2, -6> up y right x*image_width/image_height\r\n"
        "         look_at <0, 0.2, 4> angle 45 }\r\n"
        "light_source { <-6, 9, -7> color rgb 1 }\r\n"
        "background { color rgb <0.45, 0.55, 0.75> }\r\n"
        "plane { y, -1 pigment { checker color rgb 0.92 color rgb 0.35 scale 0.5 }\r\n"
        "        finish { ambient 0.2 diffuse 0.7 } }\r\n"
        "#declare I = 0;\r\n"
        "#while (I < 6)\r\n"
        "  sphere { <mod(I, 2) * 2.4 - 1.2, 0, I * 4 - 2>, 1\r\n"
        "           pigment { color rgb <0.9, 0.3, 0.2> } finish { phong 0.6 } }\r\n"
        "  #declare I = I + 1;\r\n"
        "#end\r\n");
    if (type == "Ground_Fog")
        out.Write(
            "fog { fog_type 2 distance 2.5 color rgb <0.85, 0.87, 0.9>\r\n"
            "      fog_offset -0.3 fog_alt 0.25 }\r\n");
    else
        out.Write("fog { fog_type 1 distance 14 color rgb <0.75, 0.78, 0.85> }\r\n");
}

CPovPigment* FindPigment(CPovObject* pigments, const std::string& name) {
    for (CPovObject* o = pigments; o; o = o->NextSibling)
        if (o->IsPresent() && o->Name == name)
            return dynamic_cast<CPovPigment*>(o);
    return nullptr;
}

// Writes without the repair the writer makes to an empty image-map or bump-map file name, so
// that a preview never changes the document.
std::string DeclarationOf(CPovPigmentOwner& owner) {
    auto* texture = dynamic_cast<CPovTexture*>(&owner);
    const std::string image = owner.ImageFile;
    const std::string bumps = texture ? texture->BumpFile : std::string();
    SceneText out;
    owner.WriteScene(out);
    owner.ImageFile = image;
    if (texture)
        texture->BumpFile = bumps;
    return out.Take();
}

// the pigments a pigment-map names, dependencies first; every pigment once, cycles cut
void WriteMapPigments(SceneText& out, const CPovPigmentOwner& owner, CPovObject* pigments,
                      std::set<const CPovObject*>& written) {
    if (owner.PigmentKind != kPigmentPigmentMap)
        return;
    for (const std::string& name : owner.MapPigments) {
        CPovPigment* pigment = name.empty() ? nullptr : FindPigment(pigments, name);
        if (!pigment || !written.insert(pigment).second)
            continue;
        WriteMapPigments(out, *pigment, pigments, written);
        out.Write(DeclarationOf(*pigment));
    }
}

// the texture's declaration without its halo lines
std::string WithoutHalos(const std::string& text, bool& hadHalos) {
    std::string result;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string_view line(text.data() + start, end - start);
        if (line.rfind("  halo {", 0) == 0)
            hadHalos = true;
        else
            result.append(line);
        start = end;
    }
    return result;
}

}  // namespace

bool IsPovIdentifier(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9'))
        return false;
    for (char c : name) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

std::string PreviewScene(const PreviewSubject& subject,
                         const std::vector<std::string>& extraIncludes) {
    SceneText out;
    WriteHeader(out, extraIncludes);
    switch (subject.kind) {
        case PreviewSubject::Kind::Texture:
            WriteStage(out);
            WriteTextureSphere(out, subject.name);
            break;
        case PreviewSubject::Kind::Sky:
            WriteSky(out, subject.name);
            break;
        case PreviewSubject::Kind::Fog:
            WriteFog(out, subject.name);
            break;
    }
    return out.Take();
}

TexturePreviewScene LiveTextureScene(CPovPigmentOwner& surface, CPovObject* pigments) {
    SceneText out;
    WriteHeader(out, {});
    std::set<const CPovObject*> written{&surface};
    const bool texture = surface.GetType() == kKindTexture;
    if (surface.HasPigment || !texture)
        WriteMapPigments(out, surface, pigments, written);
    bool hadHalos = false;
    out.Write(WithoutHalos(DeclarationOf(surface), hadHalos));
    WriteStage(out);
    out.Printf(
        texture ? "sphere { 0, 1 texture { %s } }\r\n" : "sphere { 0, 1 pigment { %s } }\r\n",
        surface.Name);

    TexturePreviewScene scene;
    scene.text = out.Take();
    if (hadHalos)
        scene.note = Tr("Halos zeigt POV-Ray 3.7 nicht.");
    return scene;
}
