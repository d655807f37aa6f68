// Explaining why an XML file was refused or read only in part, for the diagnostics channel.
#pragma once

#include "files/XmlShape.h"

#include <cstddef>
#include <string>

class TiXmlDocument;

namespace trellis {

// Reports that file could not be read at all, with why (as readRegularFile gives it).
void reportUnreadXmlFile(const char* file, const std::string& problem);

// Reports which of the XML file limits text went beyond, at the start tag where it did.
void reportXmlBeyondLimits(const char* file, const std::string& text, const XmlShape& shape);

// Reports what went wrong in TinyXML's parse of the first length bytes of text into document,
// which stopped at end (Parse's result): a refused file (empty, UTF-16, text before the first
// element, a NUL byte, malformed XML) as an error at the place TinyXML names, a parse that
// stopped before the end of the file, and markup that TinyXML keeps but nobody reads.
void reportXmlParse(const char* file, const std::string& text, size_t length,
                    const TiXmlDocument& document, const char* end);

}  // namespace trellis
