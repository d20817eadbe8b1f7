// The text an object or a whole scene writes: bytes in Windows-1252, lines ending in CR LF.
// Besides the bytes it carries what the objects need to know while they write (the language
// level, the halos of each texture) and, when asked, which lines each object wrote.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "model/pov_level.h"
#include "model/text_format.h"

class CPovObject;

// The lines (from 1) of the text that one object wrote, its children's lines included.
struct ObjectLines {
    const CPovObject* object = nullptr;
    int first = 0;
    int last = 0;
};

class SceneText {
  public:
    void Write(std::string_view text) { text_.append(text); }

    template <typename... Args>
    void Printf(std::string_view format, const Args&... args) {
        orv::AppendFormat(text_, format, args...);
    }

    const std::string& Text() const { return text_; }
    std::string Take() { return std::move(text_); }
    void Reserve(size_t bytes) { text_.reserve(bytes); }
    void Clear() { text_.clear(); }

    // the language level the text is for (a PovLevel; 2.x unless set)
    int Level() const { return level_; }
    void SetLevel(int level) { level_ = level; }

    // At the 3.7 level halos are media of the objects' interiors, so an object that uses a
    // texture writes the texture's halos itself: the declared halos of each texture by name.
    using TextureHalos = std::map<std::string, std::vector<std::string>, std::less<>>;
    void SetTextureHalos(TextureHalos halos) { textureHalos_ = std::move(halos); }
    // the halos of a texture, or nullptr when it has none
    const std::vector<std::string>* HalosOfTexture(std::string_view texture) const;

    // Which lines each object writes: off unless turned on before writing. Objects bracket
    // their text with Begin and End (CPovObject::WriteSceneText); ranges nest like the objects.
    void RecordObjectLines() { recording_ = true; }
    void BeginObject(const CPovObject* object);
    void EndObject();
    const std::vector<ObjectLines>& ObjectLineRanges() const { return ranges_; }

  private:
    // the line the next byte goes into
    int CurrentLine();

    std::string text_;
    int level_ = kPovLevel2;
    TextureHalos textureHalos_;
    bool recording_ = false;
    std::vector<ObjectLines> ranges_;
    std::vector<size_t> open_;
    size_t countedBytes_ = 0;
    int countedLine_ = 1;
};
