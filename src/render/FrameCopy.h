// FrameCopy: a copy of the drawn frame's colours in an off-screen framebuffer, put back with
// one blit for a frame whose content is unchanged, where it is independent of what lies beneath.
#pragma once

#include "DrawList.h"

namespace trellis {

// A colour copy of the viewport of the framebuffer being drawn to.
class FrameCopy {
public:
    FrameCopy() = default;
    FrameCopy(const FrameCopy&) = delete;
    FrameCopy& operator=(const FrameCopy&) = delete;
    // The names are left to the context: it may be gone by the time the copy is.
    ~FrameCopy() = default;

    // Whether a copy can be kept of the current framebuffer (GL 3.0 blits, no multisampling).
    static bool possible();
    // Whether the copy holds the viewport of the framebuffer now bound for drawing.
    bool holds(const int (&viewport)[4]);
    void save(const int (&viewport)[4]);      // the framebuffer's viewport into the copy
    void saveRegion(const PixelBox& box);     // a part of it again, after a repair
    void restoreRegion(const PixelBox& box);  // a part of the copy into the framebuffer
    void forget() { valid = false; }          // the copy no longer matches anything
    // Deletes the names, when they are this copy's in the current context, and forgets them.
    void release();

private:
    void blit(bool toCopy, const PixelBox& box);
    bool ours() const;  // the names are this copy's in the current context

    unsigned int framebuffer = 0, texture = 0;
    int width = 0, height = 0;  // of the texture
    int target = -1;            // the framebuffer copied
    int area[4] = {};           // the viewport copied
    bool valid = false;
};

}  // namespace trellis
