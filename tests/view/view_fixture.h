// Fixture for the view tests: a document, views of any kind on plain scroll bars with a
// window that counts redraws, and the view globals reset around every case.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "document/orvanta_doc.h"
#include "tests/support/model_test.h"
#include "view/frame_link.h"
#include "view/orvanta_view.h"
#include "view/scroll_bars.h"

class CountingWindow : public IViewWindow {
  public:
    void Redraw() override { ++redraws; }
    std::optional<int> AskUserZoom(int current) override {
        askedZoom = current;
        return userZoom;
    }
    void OpenObjectBrowser(bool goToMode) override { browserModes.push_back(goToMode); }

    int redraws = 0;
    std::optional<int> userZoom;
    int askedZoom = 0;
    std::vector<bool> browserModes;
};

// A view with its scroll bars and window; the client area is width x height and the outer
// window 20 pixels larger each way, so the usable height equals the client height.
struct TestView {
    TestView(COrvantaDoc& doc, int kind, int width, int height) {
        NextViewKind = kind;
        view = std::make_unique<COrvantaView>(doc, bars, &window);
        view->OnCreate(width + 20, height + 20, width, height);
        view->OnSize(width, height, width + 20, height + 20);
    }
    COrvantaView* operator->() { return view.get(); }
    COrvantaView& operator*() { return *view; }

    ScrollBarValues bars;
    CountingWindow window;
    std::unique_ptr<COrvantaView> view;
};

class ViewTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        NextViewKind = 0;
        ViewCount = 0;
        SetFrameLink(&frame);
        doc = std::make_unique<COrvantaDoc>();
    }
    void TearDown() override {
        views.clear();
        doc.reset();
        SetFrameLink(nullptr);
        ModelTest::TearDown();
    }

    // a view of the document, kept until the end of the case
    TestView& AddView(int kind, int width = 400, int height = 300) {
        views.push_back(std::make_unique<TestView>(*doc, kind, width, height));
        return *views.back();
    }
    // Puts the view's left edge at world sx and its bottom edge at world sy.
    static void ScrollTo(TestView& v, int sx, int sy) {
        v.bars.SetPosition(ScrollBar::Horizontal, sx);
        v.bars.SetPosition(ScrollBar::Vertical, -sy);
    }

    FrameState frame;
    std::unique_ptr<COrvantaDoc> doc;
    std::vector<std::unique_ptr<TestView>> views;
};
