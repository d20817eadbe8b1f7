// The program's and each scene's settings: author data and includes of a scene, defaults for
// new scenes, POV-Ray language level, external programs and view defaults. Values are loaded
// from the settings store when the object is built; the desktop application edits them in its
// settings sheet.
#pragma once

#include <string>
#include <vector>

class COrvantaOptions {
  public:
    enum Mode { kDocumentSettings = 0, kProgramSettings = 1 };

    // the default zoom's range and value, and the largest stored grid (grid x 100)
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 100;
    static constexpr int kDefaultZoom = 10;
    static constexpr int kMaxStoredGrid = 100000;

    struct AuthorPage {
        std::string Name;
        std::string Company;
        bool ShowInfoAlways = false;
        // address, e-mail and so on; the scene file carries it as the scene's comment
        std::string MoreInfo;
        bool operator==(const AuthorPage&) const = default;
    };
    struct CommentPage {
        int CommentFlag = 0;
        std::string CommentText;
        bool operator==(const CommentPage&) const = default;
    };
    // PovVersion30 holds the language level (PovLevel): 0 = 2.x, 1 = 3.0, 2 = 3.7.
    struct IncludesPage {
        int PovVersion30 = 0;
        std::vector<std::string> AdditionalIncludes;
        bool operator==(const IncludesPage&) const = default;
    };
    struct CompatiblePage {
        int PovVersion30 = 0;
        bool operator==(const CompatiblePage&) const = default;
    };
    struct ExecutablesPage {
        std::string Execute;
        std::string Configuration;
        std::string Viewer;
        std::string ViewerParameters = "%s";
        // start the viewer when a render has finished
        bool ViewerStartsAfterPov = false;
        bool operator==(const ExecutablesPage&) const = default;
    };
    struct ModellerPage {
        int DeepTest = 0;
        int GridOn = 0;
        int Lights = 0;
        int Wireframe = 0;
        double GridValue = 0.0;
        int ZoomValue = 10;
        int OpenGL = 0;
        bool operator==(const ModellerPage&) const = default;
    };

    explicit COrvantaOptions(Mode mode = kDocumentSettings);

    // Reloads every page from the settings store.
    void Load();
    // Writes the pages of the mode back to the settings store (the program settings sheet's
    // OK); the document sheet's author data stay in the scene file.
    void Save() const;

    // The standard include files of a language level, in the order they are written.
    static std::vector<std::string> StandardIncludes(bool pov3);
    // Adds a file name (without folder, lower-cased) unless the list holds it in any case.
    bool AddInclude(const std::string& path);

    Mode GetMode() const { return mode_; }

    AuthorPage Author;
    CommentPage Comment;
    IncludesPage Includes;
    CompatiblePage Compatible;
    ExecutablesPage Executables;
    ModellerPage Modeller;

  private:
    Mode mode_;
};
