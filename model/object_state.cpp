#include "model/object_state.h"

#include <cstring>
#include <string>
#include <string_view>
#include <typeinfo>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/pov_object.h"
#include "model/scene_host.h"

namespace {

// Writes every field as raw bytes, so that two objects compare equal exactly when each field
// does (a double's bits, not its printed digits).
class StateKey : public FieldSink {
  public:
    std::string bytes;

    void Raw(const void* data, size_t size) { bytes.append(static_cast<const char*>(data), size); }
    void Size(size_t n) { Raw(&n, sizeof n); }
    void Str(std::string_view text) {
        Size(text.size());
        bytes.append(text);
    }
    void Vec(const Vector& v) {
        Raw(&v.X, sizeof v.X);
        Raw(&v.Y, sizeof v.Y);
        Raw(&v.Z, sizeof v.Z);
        Raw(&v.Tag1, sizeof v.Tag1);
        Raw(&v.Tag2, sizeof v.Tag2);
        Raw(&v.Tag3, sizeof v.Tag3);
    }

    void Number(std::string_view name, double value) override {
        Str(name);
        Raw(&value, sizeof value);
    }
    void Integer(std::string_view name, long long value) override {
        Str(name);
        Raw(&value, sizeof value);
    }
    void Text(std::string_view name, std::string_view value) override {
        Str(name);
        Str(value);
    }
    void Numbers(std::string_view name, const double* values, size_t count, size_t) override {
        Str(name);
        Size(count);
        Raw(values, count * sizeof(double));
    }
    void Integers(std::string_view name, const int* values, size_t count) override {
        Str(name);
        Size(count);
        Raw(values, count * sizeof(int));
    }
    void Texts(std::string_view name, const std::string* values, size_t count) override {
        Str(name);
        Size(count);
        for (size_t i = 0; i < count; ++i)
            Str(values[i]);
    }
};

std::string KeyOf(const CPovObject& o) {
    StateKey key;
    key.Str(o.Name);
    key.Raw(&o.Hollow, sizeof o.Hollow);
    key.Raw(&o.UseOwnTexture, sizeof o.UseOwnTexture);
    key.Raw(&o.WriteTextureSteps, sizeof o.WriteTextureSteps);
    key.Str(o.TextureName);
    key.Raw(&o.QuickColorR, sizeof o.QuickColorR);
    key.Raw(&o.QuickColorG, sizeof o.QuickColorG);
    key.Raw(&o.QuickColorB, sizeof o.QuickColorB);
    key.Size(o.Steps.size());
    for (const Vector& v : o.Steps)
        key.Vec(v);
    key.Size(o.TextureSteps.size());
    for (const Vector& v : o.TextureSteps)
        key.Vec(v);
    o.VisitFields(key);
    return std::move(key.bytes);
}

}  // namespace

std::unique_ptr<CPovObject> CopyOwnState(const CPovObject& object) {
    // a constructor names its object: the counters and the document's names stay untouched
    const NameCounters counters = g_NameCounters;
    CSceneHost* const document = CurrentDocument;
    CurrentDocument = nullptr;
    std::unique_ptr<CPovObject> copy(object.NewOfKind());
    CurrentDocument = document;
    g_NameCounters = counters;
    if (!copy)
        return nullptr;
    while (copy->FirstChild)
        delete copy->FirstChild;
    std::vector<Point3>().swap(copy->Outline);
    std::vector<Point3>().swap(copy->Projected);
    object.CopyOwnStateTo(*copy);
    return copy;
}

bool SameOwnState(const CPovObject& a, const CPovObject& b) {
    return typeid(a) == typeid(b) && KeyOf(a) == KeyOf(b);
}

size_t OwnStateBytes(const CPovObject& copy) {
    // the object itself, its strings and steps; a kind's larger tables count through the key
    return sizeof(CPovObject) + KeyOf(copy).size();
}
