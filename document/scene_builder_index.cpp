// The builder's index of the document's top-level names: references of groups find their
// members through it, and default names are checked against it, in constant time per name.
#include <algorithm>

#include "document/orvanta_doc.h"
#include "document/scene_builder.h"
#include "model/pov_object.h"

namespace {

uint32_t NameHash(std::string_view name) {
    // FNV-1a
    uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

SceneBuilder::NameSlot* SceneBuilder::FindSlot(std::string_view name, uint32_t hash) {
    if (names_.empty())
        return nullptr;
    const size_t mask = names_.size() - 1;
    for (size_t i = hash & mask; names_[i].key.data(); i = (i + 1) & mask)
        if (names_[i].hash == hash && names_[i].key == name)
            return &names_[i];
    return nullptr;
}

void SceneBuilder::IndexName(CPovObject* object) {
    const std::string_view name = object->Name;
    const uint32_t hash = NameHash(name);
    if (NameSlot* slot = FindSlot(name, hash)) {
        if (slot->stack < 0) {
            slot->stack = static_cast<int>(stacks_.size());
            stacks_.push_back({slot->single});
        }
        stacks_[static_cast<size_t>(slot->stack)].push_back(object);
        return;
    }
    if ((namesUsed_ + 1) * 2 > names_.size()) {
        std::vector<NameSlot> old(std::max<size_t>(64, names_.size() * 2));
        old.swap(names_);
        const size_t mask = names_.size() - 1;
        for (const NameSlot& slot : old) {
            if (!slot.key.data())
                continue;
            size_t i = slot.hash & mask;
            while (names_[i].key.data())
                i = (i + 1) & mask;
            names_[i] = slot;
        }
    }
    const size_t mask = names_.size() - 1;
    size_t i = hash & mask;
    while (names_[i].key.data())
        i = (i + 1) & mask;
    // a std::string's data is never null, so an empty name still marks the slot as used
    names_[i] = NameSlot{name, hash, object, -1};
    ++namesUsed_;
}

void SceneBuilder::BuildIndex() {
    // the first object in list order must win, so the list is indexed from its end
    std::vector<CPovObject*> list;
    for (CPovObject* o = doc_.Objects; o; o = o->NextSibling)
        if (o != object_)
            list.push_back(o);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        IndexName(*it);
    indexBuilt_ = true;
}

CPovObject* SceneBuilder::FindTopLevel(std::string_view name) {
    if (!indexBuilt_)
        BuildIndex();
    NameSlot* slot = FindSlot(name, NameHash(name));
    if (!slot)
        return nullptr;
    // objects moved into a group or deleted no longer answer to their name
    auto answers = [](const CPovObject* o) { return !o->Parent && o->IsPresent(); };
    if (slot->stack < 0)
        return answers(slot->single) ? slot->single : nullptr;
    std::vector<CPovObject*>& stack = stacks_[static_cast<size_t>(slot->stack)];
    while (!stack.empty() && !answers(stack.back()))
        stack.pop_back();
    return stack.empty() ? nullptr : stack.back();
}

bool SceneBuilder::IsTaken(std::string_view name) {
    constexpr int kChecksBeforeIndex = 16;
    if (!indexBuilt_ && checksWithoutIndex_ < kChecksBeforeIndex) {
        ++checksWithoutIndex_;
        return HasPresentNamed(doc_.Objects, name);
    }
    return FindTopLevel(name) != nullptr;
}

CPovObject* SceneBuilder::NextGuardedPart(std::string_view name) {
    // parts taken by a group inside the guard (or deleted) are passed over
    while (guardCursor_ < guarded_.size() &&
           (guarded_[guardCursor_]->Parent || !guarded_[guardCursor_]->IsPresent()))
        ++guardCursor_;
    if (guardCursor_ < guarded_.size() && guarded_[guardCursor_]->Name == name)
        return guarded_[guardCursor_++];
    return nullptr;
}
