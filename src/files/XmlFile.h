// Loading the XML files that users write: the skin file and the dialogue file.
#pragma once

class TiXmlDocument;

namespace trellis {

// Loads document from its file, read in full by us rather than by TinyXML, which sizes its
// buffer from a seek (nonsense for a directory) and can read past the end of a file that stops
// inside a UTF-8 character. False for a missing, unreadable (a directory too) or malformed file.
bool loadXmlFile(TiXmlDocument& document);

}  // namespace trellis
