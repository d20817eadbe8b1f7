// Opens the property sheet of a scene object.
//
// The desktop application installs a host that shows the kind's modal sheet; without one,
// every edit is cancelled. Results follow the dialog convention: 1 = OK, 2 = Cancel.
#pragma once

#include <string>

class CPovObject;

enum DialogResult { kDialogOk = 1, kDialogCancel = 2 };

class IEditorHost {
  public:
    virtual ~IEditorHost() = default;
    // caption: the sheet's title (Windows-1252), e.g. "Eigenschaften Kugel"
    virtual int EditProperties(CPovObject& object, const std::string& caption) = 0;
};

IEditorHost& GetEditorHost();
void SetEditorHost(IEditorHost* host);
