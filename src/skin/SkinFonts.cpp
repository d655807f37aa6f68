// Declaring the faces a skin names in its <font> sections.
#include "skin/SkinFonts.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlReport.h"
#include "skin/SkinPaths.h"
#include "trellis/font/NamedFonts.h"

#include <tinyxml.h>

namespace trellis {

void declareSkinFonts(const char* skinFile, const TiXmlElement& skin) {
    for (const TiXmlElement* section = skin.FirstChildElement(kFontSectionTag); section;
         section = section->NextSiblingElement(kFontSectionTag)) {
        const char* name = section->Attribute("name");
        const char* file = section->Attribute("file");
        if (!name || !*name || !file || !*file) {
            reportAtNode(skinFile, *section, Severity::Warning,
                         "<font> needs a name and a file; ignored");
            continue;
        }
        const std::string path = skinRelativePath(skinFile, file);
        std::string problem;
        if (!declareNamedFont(name, path, &problem))
            reportAtNode(skinFile, *section, Severity::Error,
                         "font " + quoted(name) + ": " + quoted(path) + " is no usable font (" +
                             problem + "); text keeps its font");
    }
}

}  // namespace trellis
