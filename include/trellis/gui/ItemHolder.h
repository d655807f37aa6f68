// ItemHolder: an element whose file children are plain entries (a list's items, a menu's
// commands) read as data, rather than elements built in the tree.
#pragma once

namespace trellis {

class AttributeSource;

// Takes the child entries a dialogue file gives an element.
class ItemHolder {
public:
    virtual ~ItemHolder();
    // Takes one child of tag with its attributes; false for a tag it does not hold (the loader
    // reports it and goes on).
    virtual bool loadItem(const char* tag, const AttributeSource& item) = 0;
};

}  // namespace trellis
