// Measuring what TinyXML's parse of a text would meet, before it parses: how deeply elements
// nest and how many attributes one element has. Its parser recurses once per nesting level
// and compares each new attribute with all earlier ones of its element, so both must be
// bounded before a file is handed to it.
#pragma once

namespace trellis {

// The worst a text holds, as TinyXML would see it.
struct XmlShape {
    int nesting = 0;          // elements open at once, counting the innermost, at the deepest point
    int attributes = 0;       // attributes on the element that has most
    long long depthWork = 0;  // the depths of all elements added up: the parse's own work
    long long beyondAt = -1;  // byte offset of the start tag that first went past a limit
};

// Walks text as TinyXML's parser does, in one linear pass for each character encoding it may
// settle on, and returns the larger figures. Stops early once either figure is beyond its
// limit, so that a figure beyond its limit means only "too many". TinyXML walks up to the
// document from every node it builds, so its time grows with depthWork, not just the size. text
// must be followed by at least four more NULs, as TinyXML steps over a UTF-8 character whole and
// may read past a NUL.
XmlShape scanXmlShape(const char* text, int nestingLimit, int attributeLimit,
                      long long depthWorkLimit);

}  // namespace trellis
