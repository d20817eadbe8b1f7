// Headless OpenGL contexts shared by the whole test program, one per frame-buffer size.
//
// Mesa unloads its driver with the last display; a few of the driver's own allocations are
// then left pointing into unloaded code, where the leak checker can no longer match them to
// the driver. Keeping the contexts for the program's lifetime avoids that.
#pragma once

#include <map>
#include <utility>

#include "platform/headless_gl.h"

// The context of that size, made current; nullptr (and why in error) without OpenGL.
inline HeadlessGl* SharedHeadlessGl(int width, int height, std::string* error = nullptr) {
    static auto* contexts = new std::map<std::pair<int, int>, HeadlessGl*>();
    HeadlessGl*& gl = (*contexts)[{width, height}];
    if (!gl) {
        gl = new HeadlessGl();
        if (!gl->Create(width, height)) {
            if (error)
                *error = gl->Error();
            return nullptr;
        }
    }
    if (!gl->MakeCurrent()) {
        if (error)
            *error = gl->Error();
        return nullptr;
    }
    return gl;
}
