#pragma once
// What this process holds of the window system: its GDI objects, its
// windows and its memory, for soak runs that must stay flat.

#include <cstddef>

namespace testsupport {

struct ProcessResources {
    std::size_t gdiObjects;
    std::size_t windows;       // USER objects that matter here: every window, children too
    std::size_t privateBytes;
};

ProcessResources CurrentProcessResources();

}  // namespace testsupport
