#include "cli/document_json.h"

#include <iterator>

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/field_sink.h"
#include "model/pov_level.h"
#include "model/pov_object.h"

using nlohmann::ordered_json;

namespace {

std::string Utf8(std::string_view cp1252) {
    return orv::Cp1252ToUtf8(cp1252);
}

class JsonFieldSink : public FieldSink {
  public:
    explicit JsonFieldSink(ordered_json& out) : out_(out) {}

    void Number(std::string_view name, double value) override { out_[Key(name)] = value; }
    void Integer(std::string_view name, long long value) override { out_[Key(name)] = value; }
    void Text(std::string_view name, std::string_view value) override {
        out_[Key(name)] = Utf8(value);
    }
    void Numbers(std::string_view name, const double* values, size_t count,
                 size_t stride) override {
        ordered_json list = ordered_json::array();
        if (stride <= 1) {
            for (size_t i = 0; i < count; ++i)
                list.push_back(values[i]);
        } else {
            for (size_t i = 0; i + stride <= count; i += stride) {
                ordered_json group = ordered_json::array();
                for (size_t k = 0; k < stride; ++k)
                    group.push_back(values[i + k]);
                list.push_back(group);
            }
        }
        out_[Key(name)] = list;
    }
    void Integers(std::string_view name, const int* values, size_t count) override {
        ordered_json list = ordered_json::array();
        for (size_t i = 0; i < count; ++i)
            list.push_back(values[i]);
        out_[Key(name)] = list;
    }
    void Texts(std::string_view name, const std::string* values, size_t count) override {
        ordered_json list = ordered_json::array();
        for (size_t i = 0; i < count; ++i)
            list.push_back(Utf8(values[i]));
        out_[Key(name)] = list;
    }

  private:
    static std::string Key(std::string_view name) { return std::string(name); }
    ordered_json& out_;
};

ordered_json Steps(const std::vector<Vector>& steps) {
    ordered_json list = ordered_json::array();
    for (const Vector& v : steps)
        list.push_back({v.X, v.Y, v.Z});
    return list;
}

ordered_json List(const CPovObject* head) {
    ordered_json list = ordered_json::array();
    for (const CPovObject* o = head; o; o = o->NextSibling)
        list.push_back(ObjectToJson(*o));
    return list;
}

ordered_json NameOrNull(const CPovObject* object) {
    if (!object)
        return nullptr;
    return Utf8(object->GetName());
}

}  // namespace

ordered_json ObjectToJson(const CPovObject& o) {
    ordered_json j;
    j["type"] = o.GetType();
    j["class"] = o.GetClassName();
    j["name"] = Utf8(o.GetName());
    j["present"] = o.IsPresent();
    j["steps"] = Steps(o.Steps);
    j["textureSteps"] = Steps(o.TextureSteps);
    j["useOwnTexture"] = o.UseOwnTexture != 0;
    j["writeTextureSteps"] = o.WriteTextureSteps != 0;
    j["textureName"] = Utf8(o.TextureName);
    j["hollow"] = o.Hollow != 0;
    j["quickColor"] = {o.QuickColorR, o.QuickColorG, o.QuickColorB};
    if (o.HasGeometry() && !o.Outline.empty())
        j["bbox"] = {o.MinX, o.MinY, o.MinZ, o.MaxX, o.MaxY, o.MaxZ};
    else
        j["bbox"] = nullptr;
    ordered_json fields = ordered_json::object();
    JsonFieldSink sink(fields);
    o.VisitFields(sink);
    j["fields"] = fields;
    j["children"] = List(o.FirstChild);
    return j;
}

namespace {

// value as dump(2) prints it at the given depth of indentation
std::string Indented(const ordered_json& value, int depth) {
    const std::string text = value.dump(2);
    const std::string indent = "\n" + std::string(static_cast<size_t>(2 * depth), ' ');
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    size_t from = 0;
    for (size_t line = text.find('\n'); line != std::string::npos;
         from = line + 1, line = text.find('\n', from)) {
        out.append(text, from, line - from);
        out += indent;
    }
    out.append(text, from, std::string::npos);
    return out;
}

void WriteList(std::ostream& out, const CPovObject* head) {
    if (!head) {
        out << "[]";
        return;
    }
    out << "[\n";
    for (const CPovObject* o = head; o; o = o->NextSibling) {
        out << "    " << Indented(ObjectToJson(*o), 2);
        out << (o->NextSibling ? ",\n" : "\n");
    }
    out << "  ]";
}

}  // namespace

void WriteDocumentJson(std::ostream& out, const COrvantaDoc& doc,
                       const std::vector<ReadProblem>& errors) {
    // the document without its lists, then the lists object by object
    ordered_json head = DocumentToJson(doc, errors, false);
    out << "{\n";
    for (auto it = head.begin(); it != head.end(); ++it) {
        const std::string& key = it.key();
        out << "  " << ordered_json(key).dump() << ": ";
        if (key == "objects")
            WriteList(out, doc.Objects);
        else if (key == "textures")
            WriteList(out, doc.Textures);
        else if (key == "pigments")
            WriteList(out, doc.Pigments);
        else if (key == "halos")
            WriteList(out, doc.Halos);
        else
            out << Indented(it.value(), 1);
        out << (std::next(it) == head.end() ? "\n" : ",\n");
    }
    out << "}\n";
}

ordered_json DocumentToJson(const COrvantaDoc& doc, const std::vector<ReadProblem>& errors) {
    return DocumentToJson(doc, errors, true);
}

ordered_json DocumentToJson(const COrvantaDoc& doc, const std::vector<ReadProblem>& errors,
                            bool withLists) {
    ordered_json j;
    const COrvantaOptions& s = *doc.Settings;
    ordered_json includes = ordered_json::array();
    for (const std::string& inc : s.Includes.AdditionalIncludes)
        includes.push_back(Utf8(inc));
    j["settings"] = {{"author", Utf8(s.Author.Name)},
                     {"company", Utf8(s.Author.Company)},
                     {"comment", Utf8(s.Author.MoreInfo)},
                     {"showInfos", s.Author.ShowInfoAlways},
                     {"pov3", s.Includes.PovVersion30 != 0},
                     {"level", PovLevelSetting(s.Includes.PovVersion30)},
                     {"includes", includes}};
    j["view"] = {{"ZoomFront", doc.ZoomFront}, {"ZoomRight", doc.ZoomRight},
                 {"ZoomTop", doc.ZoomTop},     {"GridFront", doc.GridFront},
                 {"GridRight", doc.GridRight}, {"GridTop", doc.GridTop}};
    j["camera"] = NameOrNull(doc.Camera);
    j["background"] = NameOrNull(doc.Background);
    j["skySphere"] = NameOrNull(doc.SkySphere);
    // without the lists: their places, for WriteDocumentJson to fill
    j["objects"] = withLists ? List(doc.Objects) : ordered_json::array();
    j["textures"] = withLists ? List(doc.Textures) : ordered_json::array();
    j["pigments"] = withLists ? List(doc.Pigments) : ordered_json::array();
    j["halos"] = withLists ? List(doc.Halos) : ordered_json::array();
    ordered_json errorList = ordered_json::array();
    for (const ReadProblem& e : errors)
        errorList.push_back({{"line", e.line}, {"message", Utf8(e.message)}});
    j["errors"] = errorList;
    return j;
}
