#include "document/object_files.h"

#include <set>

#include "document/orvanta_doc.h"
#include "model/pov_level.h"
#include "model/pov_object.h"
#include "model/scene_text.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "model/surfaces/pov_texture.h"

namespace {

CPovObject* FindPresent(CPovObject* head, const std::string& name) {
    for (CPovObject* o = head; o; o = o->NextSibling)
        if (o->IsPresent() && o->Name == name)
            return o;
    return nullptr;
}

// What one object file declares, each kind in the order it is written.
class Declarations {
  public:
    explicit Declarations(const COrvantaDoc& doc) : doc_(doc) {}

    void AddObjectTree(const CPovObject& object) {
        if (object.UseOwnTexture)
            AddTexture(object.TextureName);
        for (const CPovObject* c = object.FirstChild; c; c = c->NextSibling)
            AddObjectTree(*c);
    }

    void Write(SceneText& out) const {
        for (CPovObject* o : halos_)
            o->WriteSceneText(out);
        for (CPovObject* o : pigments_)
            o->WriteSceneText(out);
        for (CPovObject* o : textures_)
            o->WriteSceneText(out);
    }

    // the halos each texture carries, for the objects to write as media at the 3.7 level
    SceneText::TextureHalos TextureHalos() const {
        SceneText::TextureHalos halos;
        for (CPovObject* o : textures_) {
            std::vector<std::string> names;
            for (const std::string& name : static_cast<CPovTexture*>(o)->HaloNames)
                if (CPovTexture::IsHaloReference(name) && FindPresent(doc_.Halos, name))
                    names.push_back(name);
            if (!names.empty())
                halos.emplace(o->Name, std::move(names));
        }
        return halos;
    }

  private:
    void AddTexture(const std::string& name) {
        auto* texture = dynamic_cast<CPovTexture*>(FindPresent(doc_.Textures, name));
        if (!texture || !seen_.insert(texture).second)
            return;  // a predefined texture, or one already taken
        for (const std::string& halo : texture->HaloNames)
            if (CPovTexture::IsHaloReference(halo))
                if (CPovObject* h = FindPresent(doc_.Halos, halo); h && seen_.insert(h).second)
                    halos_.push_back(h);
        AddMapPigments(*texture);
        textures_.push_back(texture);
    }

    // the pigments of a pigment map, each after the pigments it names itself
    void AddMapPigments(const CPovPigmentOwner& owner) {
        if (owner.PigmentKind != kPigmentPigmentMap)
            return;
        for (const std::string& name : owner.MapPigments) {
            auto* pigment = dynamic_cast<CPovPigmentOwner*>(FindPresent(doc_.Pigments, name));
            if (!pigment || !seen_.insert(pigment).second)
                continue;
            AddMapPigments(*pigment);
            pigments_.push_back(pigment);
        }
    }

    const COrvantaDoc& doc_;
    std::set<const CPovObject*> seen_;
    std::vector<CPovObject*> halos_;
    std::vector<CPovObject*> pigments_;
    std::vector<CPovObject*> textures_;
};

std::string DeclarationText(CPovObject& o) {
    SceneText text;
    o.WriteSceneText(text);
    return text.Take();
}

// Marks the new entries of one list whose name an older entry has; collects those that differ.
void DropRepeated(CPovObject* head, CPovObject* oldHead, std::vector<std::string>& differing) {
    for (CPovObject* o = head; o && o != oldHead; o = o->NextSibling) {
        if (!o->IsPresent())
            continue;
        CPovObject* kept = FindPresent(oldHead, o->Name);
        if (!kept)
            continue;
        if (DeclarationText(*o) != DeclarationText(*kept))
            differing.push_back(o->Name);
        o->SetPresent(false);
    }
}

}  // namespace

std::string ObjectFileText(const COrvantaDoc& doc, CPovObject& object, int level) {
    Declarations declarations(doc);
    declarations.AddObjectTree(object);
    SceneText out;
    out.SetLevel(ClampPovLevel(level));
    if (out.Level() == kPovLevel37)
        out.SetTextureHalos(declarations.TextureHalos());
    declarations.Write(out);
    object.WriteSceneText(out);
    return out.Take();
}

DeclarationHeads CurrentDeclarationHeads(const COrvantaDoc& doc) {
    return {doc.Textures, doc.Pigments, doc.Halos};
}

std::vector<std::string> DropRepeatedDeclarations(COrvantaDoc& doc,
                                                  const DeclarationHeads& before) {
    std::vector<std::string> differing;
    DropRepeated(doc.Textures, before.textures, differing);
    DropRepeated(doc.Pigments, before.pigments, differing);
    DropRepeated(doc.Halos, before.halos, differing);
    return differing;
}
