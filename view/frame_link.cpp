#include "view/frame_link.h"

namespace {
FrameState g_defaultFrame;
IFrameLink* g_frame = &g_defaultFrame;
}  // namespace

IFrameLink& GetFrameLink() {
    return *g_frame;
}

void SetFrameLink(IFrameLink* link) {
    if (!link) {
        g_defaultFrame = FrameState();
        link = &g_defaultFrame;
    }
    g_frame = link;
}
