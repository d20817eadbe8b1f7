// What scene objects need of the document that holds them, and the process-wide state that
// object construction reads.
#pragma once

#include <string>

class CPovObject;

class CSceneHost {
  public:
    virtual ~CSceneHost() = default;

    // the selected top-level object, or none
    CPovObject* CurrentObject = nullptr;
    // head of the top-level object list, newest first
    CPovObject* Objects = nullptr;

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
