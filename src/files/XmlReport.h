// Reporting mistakes in an XML file at the place where they stand, as TinyXML counts places.
#pragma once

#include "trellis/diagnostics/Diagnostic.h"

#include <cstddef>
#include <string>

class TiXmlBase;
class TiXmlElement;

namespace trellis {

// A 1-based line and column in a text.
struct TextPlace {
    int line = 0;    // 1-based line
    int column = 0;  // 1-based column
};

// The place of the byte at offset in text, counted as TinyXML counts its rows and columns: tabs
// run to the next multiple of four and a UTF-8 character is one column.
TextPlace placeInText(const std::string& text, size_t offset);

// The offset of the byte at a 1-based TinyXML line and column in text; text.size() past the end.
size_t offsetOfPlace(const std::string& text, int line, int column);

// Reports message about file at place.
void reportAtPlace(const char* file, TextPlace place, Severity severity,
                   const std::string& message);

// Reports message about file at node's own line and column.
void reportAtNode(const char* file, const TiXmlBase& node, Severity severity,
                  const std::string& message);

// The element's start tag as a message names it: <button name="okButton">, or <button> when it
// has no name.
std::string describeElement(const TiXmlElement& element);

}  // namespace trellis
