#include "document/scene_writer.h"

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "model/scene_text.h"
#include "model/surfaces/pov_texture.h"

namespace {

void WriteCommentLines(const std::string& comment, SceneText& out) {
    static const std::string kMarker = "//$comment:$";
    std::string line = kMarker;
    for (char c : comment) {
        line += c;
        if (c == '\n') {
            out.Write(line);
            line = kMarker;
        }
    }
    if (line.size() > kMarker.size()) {
        line += "\r\n";
        out.Write(line);
    } else {
        out.Write("\r\n");
    }
}

void WriteList(const CPovObject* head, SceneText& out) {
    for (const CPovObject* o = head; o; o = o->NextSibling)
        if (o->IsPresent())
            const_cast<CPovObject*>(o)->WriteSceneText(out);
}

// the present halos that each texture refers to, for the objects to write as media
SceneText::TextureHalos CollectTextureHalos(const COrvantaDoc& doc) {
    SceneText::TextureHalos halos;
    for (const CPovObject* t = doc.Textures; t; t = t->NextSibling) {
        const auto* texture = dynamic_cast<const CPovTexture*>(t);
        if (!texture || !texture->IsPresent())
            continue;
        std::vector<std::string> names;
        for (const std::string& name : texture->HaloNames)
            if (CPovTexture::IsHaloReference(name) && HasPresentNamed(doc.Halos, name))
                names.push_back(name);
        if (!names.empty())
            halos.emplace(texture->Name, std::move(names));
    }
    return halos;
}

}  // namespace

void WriteSceneHeader(const COrvantaDoc& doc, SceneText& out) {
    const COrvantaOptions& s = *doc.Settings;
    out.Printf("//$author:$ %s\r\n", s.Author.Name);
    out.Printf("//$company:$ %s\r\n", s.Author.Company);
    WriteCommentLines(s.Author.MoreInfo, out);
    out.Printf("//$zoom front:$ %.4f\r\n", static_cast<double>(doc.ZoomFront));
    out.Printf("//$zoom right:$ %.4f\r\n", static_cast<double>(doc.ZoomRight));
    out.Printf("//$zoom top:$ %.4f\r\n", static_cast<double>(doc.ZoomTop));
    out.Printf("//$grid front:$ %.4f\r\n", doc.GridFront);
    out.Printf("//$grid right:$ %.4f\r\n", doc.GridRight);
    out.Printf("//$grid top:$ %.4f\r\n", doc.GridTop);
    switch (ClampPovLevel(s.Includes.PovVersion30)) {
        case kPovLevel2:
            out.Write("//$usepov2$ do not delete this line\r\n");
            break;
        case kPovLevel30:
            out.Write("//$usepov3$ do not delete this line\r\n");
            break;
        case kPovLevel37:
            // POV-Ray 3.7 wants the version first, and the gamma stated to keep colours as
            // they are chosen
            out.Write("//$usepov37$ do not delete this line\r\n");
            out.Write("#version 3.7;\r\n");
            out.Write("global_settings { assumed_gamma 1.0 }\r\n");
            break;
    }
}

void WriteSceneFile(const COrvantaDoc& doc, SceneText& out) {
    const COrvantaOptions& s = *doc.Settings;
    out.SetLevel(ClampPovLevel(s.Includes.PovVersion30));
    if (out.Level() == kPovLevel37)
        out.SetTextureHalos(CollectTextureHalos(doc));
    WriteSceneHeader(doc, out);

    out.Write("//\r\n//  standard include files for POV.\r\n//\r\n");
    out.Write("#include \"colors.inc\"\r\n#include \"textures.inc\"\r\n");
    out.Write("#include \"shapes.inc\"\r\n");
    if (s.Includes.PovVersion30) {
        out.Write("#include \"stoneold.inc\"\r\n");
        out.Write("#include \"consts.inc\"\r\n");
        out.Write("#include \"glass.inc\"\r\n");
        out.Write("#include \"golds.inc\"\r\n");
        out.Write("#include \"metals.inc\"\r\n");
        out.Write("#include \"woods.inc\"\r\n");
        if (doc.SkySphere)
            out.Write("#include \"skies.inc\"\r\n");
    }
    out.Write("#include \"stones.inc\"\r\n\r\n\r\n");

    if (!s.Includes.AdditionalIncludes.empty()) {
        out.Write("//$user_inc begin$\r\n");
        for (const std::string& name : s.Includes.AdditionalIncludes)
            out.Printf("#include \"%s\"\r\n", name);
        out.Write("//$user_inc end$\r\n");
    }

    WriteList(doc.Halos, out);
    WriteList(doc.Pigments, out);
    WriteList(doc.Textures, out);
    WriteList(doc.Objects, out);

    if (s.Author.ShowInfoAlways)
        out.Write("\r\n//$showinfos$\r\n");
}

std::string ObjectSceneText(CPovObject& object, int level) {
    SceneText out;
    out.SetLevel(ClampPovLevel(level));
    object.WriteSceneText(out);
    return out.Take();
}
