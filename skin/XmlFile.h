// Loading the XML files that users write: the skin file and the dialogue file.
#pragma once

class TiXmlDocument;

// Loads document from its file. False for a missing, unreadable or malformed file, and for a
// path that is not a regular file (TinyXML would size its buffer from a directory's nonsense
// length and fail to allocate it).
bool loadXmlFile(TiXmlDocument& document);
