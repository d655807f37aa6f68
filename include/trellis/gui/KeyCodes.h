// Key codes and modifier bits as the window library (GLFW 3) numbers them, for the elements
// that interpret keys, and which modifier a key is.
#pragma once

namespace trellis {

constexpr int kKeySpace = 32;          // the space bar
constexpr int kKeyEnter = 257;         // Return
constexpr int kKeyTab = 258;           // Tab: moves the keyboard focus
constexpr int kKeyBackspace = 259;     // Backspace
constexpr int kKeyDelete = 261;        // Delete
constexpr int kKeyRight = 262;         // right arrow
constexpr int kKeyLeft = 263;          // left arrow
constexpr int kKeyDown = 264;          // down arrow
constexpr int kKeyUp = 265;            // up arrow
constexpr int kKeyHome = 268;          // Home
constexpr int kKeyEnd = 269;           // End
constexpr int kKeyLeftShift = 340;     // left Shift
constexpr int kKeyLeftControl = 341;   // left Control
constexpr int kKeyLeftAlt = 342;       // left Alt
constexpr int kKeyLeftSuper = 343;     // left Super
constexpr int kKeyRightShift = 344;    // right Shift
constexpr int kKeyRightControl = 345;  // right Control
constexpr int kKeyRightAlt = 346;      // right Alt
constexpr int kKeyRightSuper = 347;    // right Super

constexpr int kModShift = 0x1;    // a Shift key is held
constexpr int kModControl = 0x2;  // a Control key is held
constexpr int kModAlt = 0x4;      // an Alt key is held
constexpr int kModSuper = 0x8;    // a Super key is held

// The modifier bit a key holds down (kModShift for either Shift key, ...), or 0 for a key that
// is no modifier.
int modifierBitOf(int key);

}  // namespace trellis
