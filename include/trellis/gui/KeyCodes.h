// Key codes, key actions and modifier bits as the interface reads them, and which modifier a
// key is. The numbers are GLFW 3's, so a GLFW host passes its keys as they come; a host on any
// other window library (SDL, a platform's own events) translates its keys to these:
// - printable keys by the ASCII code of what they show unshifted on a US keyboard, letters as
//   capitals: 'A' to 'Z' are 65 to 90 (Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V in a text field are
//   'A', 'C', 'X' and 'V' with a Control key held), '0' to '9' are 48 to 57, Space is 32;
// - the named keys below (Enter, Tab, the arrows, the modifier keys...);
// - any other key may be passed with GLFW's number for it, or not at all: no element reads it.
// Typed text does not come from keys: the host passes each character's Unicode code point to
// hostChar (Host.h). Modifiers are not passed with each key: the interface follows which are
// held from the presses and releases of the modifier keys themselves, so pass those too.
#pragma once

namespace trellis {

constexpr int kActionRelease = 0;  // a key or mouse button went up
constexpr int kActionPress = 1;    // a key or mouse button went down
constexpr int kActionRepeat = 2;   // a held key repeated (routed as a press)

constexpr int kKeySpace = 32;          // the space bar
constexpr int kKeyEscape = 256;        // Escape
constexpr int kKeyEnter = 257;         // Return
constexpr int kKeyTab = 258;           // Tab: moves the keyboard focus
constexpr int kKeyBackspace = 259;     // Backspace
constexpr int kKeyDelete = 261;        // Delete
constexpr int kKeyRight = 262;         // right arrow
constexpr int kKeyLeft = 263;          // left arrow
constexpr int kKeyDown = 264;          // down arrow
constexpr int kKeyUp = 265;            // up arrow
constexpr int kKeyPageUp = 266;        // Page Up
constexpr int kKeyPageDown = 267;      // Page Down
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
