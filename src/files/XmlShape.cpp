// A linear walk over XML text that follows TinyXML 2.6's own reading step for step: where its
// parser would begin an element, an attribute, a quoted value, text, a comment, CDATA, a
// declaration or an unknown tag, and where it stops. Only the counts are kept.
#include "files/XmlShape.h"

#include <cctype>
#include <cstring>
#include <tinyxml.h>

namespace trellis {

namespace {

using Byte = unsigned char;

// What TinyXML's character tests say of each byte, asked once per scan (they follow the C
// library's locale, as TinyXML's do). Table lookups keep the walk fast.
enum ByteClass : Byte { kSpace = 1, kNameStart = 2, kNameByte = 4 };

struct ByteClasses {
    Byte of[256];

    ByteClasses() {
        for (int c = 0; c < 256; ++c) {
            // TinyXML takes every byte from 127 up as a letter, whatever the encoding.
            const bool letter = c < 127 ? std::isalpha(c) != 0 : true;
            const bool alnum = c < 127 ? std::isalnum(c) != 0 : true;
            of[c] = (std::isspace(c) || c == '\n' || c == '\r' ? kSpace : 0) |
                    (letter || c == '_' ? kNameStart : 0) |
                    (alnum || c == '_' || c == '-' || c == '.' || c == ':' ? kNameByte : 0);
        }
    }
};

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether text at p starts with tag; caseless compares as TinyXML's ASCII-only lowering does.
bool startsWith(const Byte* p, const char* tag, bool caseless = false) {
    for (; *tag; ++p, ++tag) {
        const int a = caseless ? std::tolower(*p) : *p;
        if (!*p || a != static_cast<Byte>(*tag))
            return false;
    }
    return true;
}

// One walk in one encoding. Each reading step returns where TinyXML's would leave off, or null
// where TinyXML would fail: it then stops parsing altogether, and so does the walk.
class ShapeWalk {
public:
    ShapeWalk(const ByteClasses& classes, int nestingLimit, int attributeLimit,
              long long depthWorkLimit)
        : classes(classes), nestingLimit(nestingLimit), attributeLimit(attributeLimit),
          depthWorkLimit(depthWorkLimit) {}

    // The document: TinyXML reads in the single-byte encoding until a top-level declaration
    // names one (or a byte order mark says UTF-8); afterDeclaration is the one it names.
    XmlShape walk(const Byte* p, bool afterDeclarationUtf8) {
        text = p;
        if (!*p)
            return shape;
        bool settled = false;
        if (startsWith(p, "\xef\xbb\xbf")) {
            utf8 = true;
            settled = true;
        }
        for (p = skipSpace(p); p && *p && *p == '<' && !beyondLimits();) {
            const bool declaration = startsWith(p, "<?xml", true);
            p = readNode(p);
            if (declaration && !settled) {
                utf8 = afterDeclarationUtf8;
                settled = true;
            }
            p = skipSpace(p);
        }
        return shape;
    }

private:
    bool isSpace(Byte c) const { return classes.of[c] & kSpace; }
    bool isNameStart(Byte c) const { return classes.of[c] & kNameStart; }
    bool isNameByte(Byte c) const { return classes.of[c] & kNameByte; }

    bool beyondLimits() const {
        return shape.nesting > nestingLimit || shape.attributes > attributeLimit ||
               shape.depthWork > depthWorkLimit;
    }

    // Null at the end of the text, as TinyXML's SkipWhiteSpace.
    const Byte* skipSpace(const Byte* p) const {
        if (!p || !*p)
            return nullptr;
        while (*p) {
            // In UTF-8, byte order marks and two non-characters count as white space.
            if (utf8 && p[0] == 0xef &&
                ((p[1] == 0xbb && p[2] == 0xbf) ||
                 (p[1] == 0xbf && (p[2] == 0xbe || p[2] == 0xbf)))) {
                p += 3;
                continue;
            }
            if (!isSpace(*p))
                break;
            ++p;
        }
        return p;
    }

    // One character of text or of a value: a whole UTF-8 sequence, as long as its first byte
    // says even across a NUL, or a character reference, which runs to the next ';'.
    const Byte* stepCharacter(const Byte* p) const {
        const int length = utf8 ? TiXmlBase::utf8ByteTable[*p] : 1;
        if (length != 1)
            return length ? p + length : nullptr;
        if (*p != '&' || p[1] != '#' || !p[2])
            return p + 1;
        const bool hex = p[2] == 'x';
        if (hex && !p[3])
            return nullptr;
        const char* semicolon = std::strchr(reinterpret_cast<const char*>(p + (hex ? 3 : 2)), ';');
        if (!semicolon)
            return nullptr;
        // Back from the ';' to the nearest 'x' or '#', every character must be a digit.
        for (const char* q = semicolon - 1; *q != (hex ? 'x' : '#'); --q)
            if (!(hex ? isHexDigit(*q) : (*q >= '0' && *q <= '9')))
                return nullptr;
        return reinterpret_cast<const Byte*>(semicolon) + 1;
    }

    // Characters up to the end byte, and past it; null if the text ends first or right after.
    const Byte* readUntil(const Byte* p, Byte end) const {
        while (p && *p && *p != end)
            p = stepCharacter(p);
        if (!p || !*p || !p[1])
            return nullptr;
        return p + 1;
    }

    // Bytes up to and past tag, or the end of the text.
    static const Byte* skipPast(const Byte* p, const char* tag) {
        while (*p && !startsWith(p, tag))
            ++p;
        return *p ? p + std::strlen(tag) : p;
    }

    const Byte* readName(const Byte* p) const {
        if (!p || !*p || !isNameStart(*p))
            return nullptr;
        while (*p && isNameByte(*p))
            ++p;
        return p;
    }

    // name = value, the value quoted or running to white space, '/' or '>'.
    const Byte* readAttribute(const Byte* p) const {
        p = skipSpace(readName(skipSpace(p)));
        if (!p || *p != '=')
            return nullptr;
        p = skipSpace(p + 1);
        if (!p)
            return nullptr;
        if (*p == '\'' || *p == '"')
            return readUntil(p + 1, *p);
        for (; *p && !isSpace(*p) && *p != '/' && *p != '>'; ++p)
            if (*p == '\'' || *p == '"')
                return nullptr;
        return p;
    }

    // "<?xml" to the first '>' outside the values of its version, encoding and standalone.
    const Byte* readDeclaration(const Byte* p) const {
        for (p += 5; p && *p;) {
            if (*p == '>')
                return p + 1;
            p = skipSpace(p);
            if (!p)
                return nullptr;
            if (startsWith(p, "version", true) || startsWith(p, "encoding", true) ||
                startsWith(p, "standalone", true))
                p = readAttribute(p);
            else
                while (*p && *p != '>' && !isSpace(*p))
                    ++p;
        }
        return nullptr;
    }

    // A top-level node at p, a '<': an element with everything inside it, level by level
    // without recursion, or any other node whole.
    const Byte* readNode(const Byte* p) {
        p = readOneNode(p);
        while (p && open > 0 && !beyondLimits()) {
            p = skipSpace(p);
            if (!p)
                return nullptr;
            if (*p != '<') {
                p = readText(p);
            } else if (p[1] == '/') {
                // The end tag, "</name" and white space before its '>'; a name that is not the
                // open element's makes TinyXML fail, which ends the walk as well.
                while (*p && *p != '>')
                    ++p;
                if (!*p)
                    return nullptr;
                ++p;
                --open;
            } else {
                p = readOneNode(p);
            }
        }
        return beyondLimits() ? nullptr : p;
    }

    // Text inside an element, up to the next '<' (TinyXML takes characters whole here too).
    const Byte* readText(const Byte* p) const {
        p = skipSpace(p);
        while (p && *p && *p != '<')
            p = isSpace(*p) ? p + 1 : stepCharacter(p);
        if (!p || !*p || !p[1])
            return nullptr;
        return p;
    }

    // A node at p, a '<': a whole comment, CDATA, declaration or unknown tag, or the start tag
    // of an element, which leaves the element open if it is not empty.
    const Byte* readOneNode(const Byte* p) {
        if (startsWith(p, "<?xml", true))
            return readDeclaration(p);
        if (startsWith(p, "<!--"))
            return skipPast(p + 4, "-->");
        if (startsWith(p, "<![CDATA[")) {
            p = skipPast(p + 9, "]]>");
            return *p ? p : nullptr;
        }
        if (isNameStart(p[1]))
            return readStartTag(p);
        // Anything else TinyXML keeps as an unknown node, up to the first '>'.
        while (*p && *p != '>')
            ++p;
        return *p ? p + 1 : p;
    }

    const Byte* readStartTag(const Byte* p) {
        const Byte* tag = p;
        if (open + 1 > shape.nesting)
            shape.nesting = open + 1;
        shape.depthWork += open + 1;
        p = readName(skipSpace(p + 1));
        int attributes = 0;
        while (p && *p && !noteBeyond(tag)) {
            p = skipSpace(p);
            if (!p)
                return nullptr;
            if (*p == '/')
                return p[1] == '>' ? p + 2 : nullptr;
            if (*p == '>') {
                ++open;
                return p + 1;
            }
            p = readAttribute(p);
            if (++attributes > shape.attributes)
                shape.attributes = attributes;
        }
        noteBeyond(tag);
        return nullptr;
    }

    // Whether a figure is past its limit, noting where the first one went past.
    bool noteBeyond(const Byte* tag) {
        if (!beyondLimits())
            return false;
        if (shape.beyondAt < 0)
            shape.beyondAt = tag - text;
        return true;
    }

    const ByteClasses& classes;
    const int nestingLimit, attributeLimit;
    const long long depthWorkLimit;
    const Byte* text = nullptr;  // the start of the whole text, for offsets
    bool utf8 = false;
    int open = 0;  // elements whose start tag has been read and whose end tag has not
    XmlShape shape;
};

}  // namespace

XmlShape scanXmlShape(const char* text, int nestingLimit, int attributeLimit,
                      long long depthWorkLimit) {
    const Byte* bytes = reinterpret_cast<const Byte*>(text);
    const ByteClasses classes;
    const XmlShape single =
        ShapeWalk(classes, nestingLimit, attributeLimit, depthWorkLimit).walk(bytes, false);
    // The encodings read bytes below 128 alike, and only a byte from 128 up can carry a walk
    // past a NUL: a text without one before its first NUL reads the same in both.
    const Byte* p = bytes;
    while (*p && *p < 0x80)
        ++p;
    if (!*p)
        return single;
    const XmlShape utf8 =
        ShapeWalk(classes, nestingLimit, attributeLimit, depthWorkLimit).walk(bytes, true);
    XmlShape worst;
    worst.nesting = single.nesting > utf8.nesting ? single.nesting : utf8.nesting;
    worst.attributes = single.attributes > utf8.attributes ? single.attributes : utf8.attributes;
    worst.depthWork = single.depthWork > utf8.depthWork ? single.depthWork : utf8.depthWork;
    worst.beyondAt = single.beyondAt >= 0 ? single.beyondAt : utf8.beyondAt;
    return worst;
}

}  // namespace trellis
