// Length: one of an element's x, y, width or height as a dialogue file gives it: a number of
// units, a percentage of the parent's inner size plus or minus units, or (for sizes) the size of
// the content or a share of the room a container leaves.
#pragma once

#include <string>

namespace trellis {

class AttributeSource;

// How one coordinate or size of an element is worked out.
class Length {
public:
    enum class Kind {
        Units,    // a number of units, held in the element's own field as it always was
        Percent,  // percent of the parent's inner size, plus offset units
        Auto,     // the size of the content (a text with its padding, or the children)
        Fill,     // a share of the room left along a container's axis (elsewhere: up to the edge)
    };

    Length() = default;  // units: the element's field is the length
    // percent of the parent's inner size plus offset units (offset may be negative).
    static Length percentOf(float percent, float offset);
    static Length automatic();  // the content's size
    static Length fill();       // what is left

    Kind kind() const { return lengthKind; }
    bool isUnits() const { return lengthKind == Kind::Units; }
    float percent() const { return percentage; }  // for Percent: the percentage
    float offset() const { return offsetUnits; }  // for Percent: the units added
    // For Percent, the length in a parent whose inner extent is whole: whole x percent / 100 +
    // offset.
    float of(float whole) const;

    bool operator==(const Length& other) const;

private:
    Kind lengthKind = Kind::Units;
    float percentage = 0;
    float offsetUnits = 0;
};

// Parses text as a length: a decimal number of units ("12"), a percentage ("50%"), a
// percentage plus or minus units ("100% - 12", spaces optional), and, where size is true,
// "auto" or "fill". Gives the empty text and sets out when it is one; otherwise what is wrong
// ("\"100% -\" is not a length: a number of units must follow \"-\"") and leaves out as it was.
// A number must be finite and written in decimal.
std::string parseLength(const char* text, bool size, Length& out);

// Reads attribute name of element into field and length. A text without "%", "auto" or "fill"
// is a number of units, read and reported exactly as readNumberAttribute reads it, and makes
// length units; any other text is parsed with parseLength into length (field untouched, for the
// layout to work out), or reported and ignored when it is not a length. True when the
// attribute gave a value.
bool readLengthAttribute(const AttributeSource& element, const char* name, bool size, float& field,
                         Length& length);

}  // namespace trellis
