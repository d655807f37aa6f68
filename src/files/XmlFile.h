// Loading the XML files that users write: the skin file and the dialogue file.
#pragma once

#include <cstddef>

class TiXmlDocument;

namespace trellis {

// The largest skin or dialogue file read, in bytes; a larger one is refused unread.
constexpr size_t kMaxXmlFileBytes = 16 * 1024 * 1024;

// The deepest element nesting accepted, counting the top-level element: TinyXML's parser
// recurses once per level (about 230 bytes of stack each), and every level of windows costs
// each frame's drawing.
constexpr int kMaxXmlNesting = 256;

// The most attributes accepted on one element: TinyXML compares each new attribute with all
// earlier ones of its element.
constexpr int kMaxXmlAttributes = 64;

// The most parsing work accepted: the depths of all elements added up (TinyXML walks up to the
// document from every node). With the size limit it keeps every accepted file's parse near a
// second: four million shallow elements, or 150,000 at the deepest nesting.
constexpr long long kMaxXmlDepthWork = 40'000'000;

// Loads document from its file, read in full by us rather than by TinyXML, which sizes its
// buffer from a seek (nonsense for a directory) and can read past the end of a file that stops
// inside a UTF-8 character. False, with nothing parsed, for a missing or unreadable file,
// anything but a regular file (a FIFO, a device, a folder), a file of more than
// kMaxXmlFileBytes, nesting deeper than kMaxXmlNesting or an element with more than
// kMaxXmlAttributes attributes; false also for a malformed file. Each refusal, and a parse that
// stops short of the file's end, is reported to the diagnostics channel with its place.
bool loadXmlFile(TiXmlDocument& document);

}  // namespace trellis
