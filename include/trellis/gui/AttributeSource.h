// AttributeSource: the attributes of one element as a file gives them, read by name, and the
// typed reads that elements use in their loadAttributes.
#pragma once

#include "trellis/gui/Callback.h"
#include "trellis/style/Color.h"

#include <string>

namespace trellis {

// One element's attributes, whatever file format they come from.
class AttributeSource {
public:
    virtual ~AttributeSource() = default;

    // The attribute's text, or null when the element does not have it.
    virtual const char* find(const char* name) const = 0;

    // Tells the file's author that the value of attribute name was refused, passed over or read
    // only in part; what says how ("\"12abc\" has characters after the number; read as 12").
    // The default tells no one.
    virtual void reportValue(const char* name, const std::string& what) const;

    // The path of the file the attributes come from, as its loader was given it, for paths
    // written relative to that file; null (the default) when they come from no file.
    virtual const char* sourcePath() const;
};

// The attribute's text, or null when absent.
const char* textAttribute(const AttributeSource& element, const char* name);

// A number as C's "%lf" scan reads it ("12abc" is 12), stored as a float; false (field
// untouched) when the attribute is absent, does not start with a number, or is not finite ("nan",
// "inf"). Trailing characters, numbers not written in decimal ("0x10", "1e"), non-finite ones
// and a text without a number are reported.
bool readNumberAttribute(const AttributeSource& element, const char* name, float& field);
// The same, kept in double precision.
bool readNumberAttribute(const AttributeSource& element, const char* name, double& field);

// A colour text; false (field untouched) when absent. A present text always replaces the field;
// one that is not eight hexadecimal digits is reported.
bool readColorAttribute(const AttributeSource& element, const char* name, Color& field);

// A font size: a number above zero replaces field and gives true; any other value is reported
// and passed over, as if absent.
bool readFontSizeAttribute(const AttributeSource& element, const char* name, float& field);

// A flag: false exactly when the text is "0", true otherwise, absent included. A text other
// than "0" or "1" is reported, since "false" and "no" leave the flag on.
bool flagAttribute(const AttributeSource& element, const char* name);

// A switch that is off unless asked for: true exactly when the text is "1". A text other than
// "0" or "1" is reported.
bool optInAttribute(const AttributeSource& element, const char* name);

// Binds the callback the attribute names into slot, as bindCallback does, and gives whether it
// did; a name not registered (yet) is reported and leaves slot untouched.
bool readCallbackAttribute(const AttributeSource& element, const char* name, Callback& slot);

}  // namespace trellis
