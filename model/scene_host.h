// What scene objects need of the document that holds them, and the process-wide state that
// object construction reads.
#pragma once

#include <string>
#include <string_view>

class CPovObject;

// Answers whether a present top-level object carries a name. A reader that keeps its own
// index of names offers it while it builds a document, so that a group's default name needs
// no walk over the whole list.
class ITopLevelNames {
  public:
    virtual ~ITopLevelNames() = default;
    virtual bool IsTaken(std::string_view name) = 0;
};

class CSceneHost {
  public:
    virtual ~CSceneHost() = default;

    // the selected top-level object, or none
    CPovObject* CurrentObject = nullptr;
    // head of the top-level object list, newest first
    CPovObject* Objects = nullptr;
    // set while something that keeps the names of the top-level list in step builds it
    ITopLevelNames* TopLevelNames = nullptr;

    virtual void SetModifiedFlag(bool modified = true) = 0;
    virtual bool IsModified() const = 0;
    // folder of the scene's file, empty while the scene has none
    virtual std::string GetSceneFolder() const { return {}; }
};

// The document that object constructors, the reader and the settings commands work on.
extern CSceneHost* CurrentDocument;
// Set while a scene file is being read: default names then skip their uniqueness scan
// (except for groups).
extern bool LoadingScene;
