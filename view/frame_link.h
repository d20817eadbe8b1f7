// What the views share with the main frame: the coordinate text of the last mouse move, the
// tool bars' repaint count and the "Standard Objekte" tool bar. The desktop application's
// main frame installs its own link; without one a FrameState keeps plain values.
#pragma once

#include <string>

class IFrameLink {
  public:
    virtual ~IFrameLink() = default;

    // the last mouse position text written by a view; the coordinate pane takes it
    virtual std::string& CoordinateText() = 0;
    // the tool bars are repainted on the next two timer ticks
    virtual void ResetToolBarRepaints() = 0;
    // the "Standard Objekte" tool bar
    virtual bool HasStandardBar() const = 0;
    virtual bool IsStandardBarVisible() const = 0;
    virtual void ShowStandardBar(bool visible) = 0;
};

class FrameState : public IFrameLink {
  public:
    std::string& CoordinateText() override { return coordinateText; }
    void ResetToolBarRepaints() override { toolBarRepaints = 0; }
    bool HasStandardBar() const override { return standardBarExists; }
    bool IsStandardBarVisible() const override { return standardBarVisible; }
    void ShowStandardBar(bool visible) override { standardBarVisible = visible; }

    std::string coordinateText;
    int toolBarRepaints = 2;
    bool standardBarExists = false;
    bool standardBarVisible = true;
};

IFrameLink& GetFrameLink();
// Installs the link used from now on; nullptr restores the plain default.
void SetFrameLink(IFrameLink* link);
