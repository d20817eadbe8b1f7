#include "document/scene_writer.h"

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "model/scene_text.h"

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
            const_cast<CPovObject*>(o)->WriteScene(out);
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
    out.Write(s.Includes.PovVersion30 ? "//$usepov3$ do not delete this line\r\n"
                                      : "//$usepov2$ do not delete this line\r\n");
}

void WriteSceneFile(const COrvantaDoc& doc, SceneText& out) {
    WriteSceneHeader(doc, out);
    const COrvantaOptions& s = *doc.Settings;

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

std::string ObjectSceneText(CPovObject& object) {
    SceneText out;
    object.WriteScene(out);
    return out.Take();
}
