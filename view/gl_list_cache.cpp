#include "view/gl_list_cache.h"

#include <GL/gl.h>

#include "model/pov_object.h"
#include "platform/view_port.h"

void GlListCache::Draw(CPovObject& object, IViewPort& view, int width, int height, double zoom) {
    Entry& entry = entries_[&object];
    entry.used = true;
    const bool wireframe = view.GetWireframe();
    if (entry.list && entry.version == object.DrawingVersion && entry.wireframe == wireframe) {
        glCallList(entry.list);
        return;
    }
    if (!entry.list)
        entry.list = glGenLists(1);
    if (!entry.list) {  // no list to be had: draw directly
        object.Draw(view, nullptr, 0, 0, width, height, zoom);
        return;
    }
    entry.version = object.DrawingVersion;
    entry.wireframe = wireframe;
    glNewList(entry.list, GL_COMPILE_AND_EXECUTE);
    object.Draw(view, nullptr, 0, 0, width, height, zoom);
    glEndList();
    ++compiles_;
}

void GlListCache::EndPass() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!it->second.used) {
            if (it->second.list)
                glDeleteLists(it->second.list, 1);
            it = entries_.erase(it);
        } else {
            it->second.used = false;
            ++it;
        }
    }
}

void GlListCache::Release() {
    for (auto& [object, entry] : entries_)
        if (entry.list)
            glDeleteLists(entry.list, 1);
    entries_.clear();
}
