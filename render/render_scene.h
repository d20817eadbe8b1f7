// What a render reads: a copy of the scene taken when the render starts (editing while it
// renders changes nothing), in a private folder under a plain name, because POV-Ray 3.7 takes
// no file name with a blank or a non-ASCII character. POV-Ray runs in the scene's own folder,
// so that the scene's relative paths (include files, images) still lead where they did.
#pragma once

#include <string>
#include <vector>

#include "document/atomic_file.h"
#include "model/scene_text.h"

class COrvantaDoc;
class CPovObject;

// A private folder for the files of one render, removed with its contents when it goes.
class RenderFolder {
  public:
    RenderFolder();
    ~RenderFolder();
    RenderFolder(const RenderFolder&) = delete;
    RenderFolder& operator=(const RenderFolder&) = delete;

    bool Ok() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    const std::string& Error() const { return error_; }
    // A name POV-Ray can take for a file: the path itself when it is plain, else a link in
    // this folder named name that leads to it.
    std::string PlainPath(const std::string& path, const std::string& name);

  private:
    std::string path_;
    std::string error_;
};

// whether POV-Ray 3.7 takes the path as it is: no blank, no quote, ASCII only
bool IsPlainPath(const std::string& path);

struct RenderScene {
    std::string path;           // the copy
    std::string workingFolder;  // the scene's folder (empty: the current one)
    // the lines each object wrote into the copy
    std::vector<ObjectLines> objectLines;
};

// Writes the document into folder/scene.pov as POV-Ray reads it.
FileResult WriteRenderCopy(const COrvantaDoc& doc, const std::string& folder, RenderScene& scene);

// The object whose text holds the line (the innermost of nested ones), or nullptr.
const CPovObject* ObjectAtLine(const std::vector<ObjectLines>& lines, int line);

// What a render would miss: "Die Szene hat keine Lichtquelle." and "Die Szene hat keine
// Kamera." (through Tr), each when it applies.
std::vector<std::string> RenderWarnings(const COrvantaDoc& doc);
