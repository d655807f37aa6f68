// Loading user-written XML files safely.
#include "skin/XmlFile.h"

#include <filesystem>
#include <tinyxml.h>

bool loadXmlFile(TiXmlDocument& document) {
    std::error_code error;
    if (std::filesystem::is_directory(document.Value(), error))
        return false;
    return document.LoadFile();
}
