// ListBox: a scrolling list of text items, one or many of them selected.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/ItemHolder.h"

#include <cstddef>
#include <string>
#include <vector>

namespace trellis {

// A list of texts held as plain strings, of which only the rows in view are drawn, so that a
// list of any length costs what a screenful costs. A click selects a row (with multiple on,
// Ctrl toggles one and Shift selects a run from the last one clicked); Up, Down, Page Up, Page
// Down, Home and End move the selection (Shift extends it), Space toggles the current row of a
// multiple list, Enter or a double click submits. Skinned as "listbox": bgColor, fontColor,
// fontSize, selectionColor, selectedFontColor, barColor, thumbColor, barWidth, focusColor.
class ListBox : public GuiElement, public ItemHolder {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);  // no row

    // An empty single-selection list, skinned as "listbox".
    ListBox(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;                     // background, rows in view, scroll bar, focus
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain ListBox
    // Adds multiple, selected (an item index), fontSize, fontColor, onChange and onSubmit.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // the colours and sizes above
    // Takes <item text="..."/> (selected="1" selects it).
    bool loadItem(const char* tag, const AttributeSource& item) override;
    void onMouseDown(int button) override;        // left: selects a row or grabs the bar
    void onMouseDrag(float x, float y) override;  // drags a grabbed thumb
    bool onKeyDown(int key) override;             // moves, extends, toggles, submits
    bool onScroll(float dx, float dy) override;   // scrolls by kScrollStepUnits a notch
    bool isFocusable() const override;            // true

    // Replaces every item, clearing the selection and the scroll.
    void setItems(std::vector<std::string> texts);
    void addItem(std::string text);                        // appends one item
    size_t itemCount() const { return items.size(); }      // how many items
    const std::string& item(size_t index) const;           // an item's text ("" beyond the end)
    // Selects only index (kNone or an index beyond the end clears the selection) and brings it
    // into view; fires changeCallback when the selection changed.
    void select(size_t index);
    void clearSelection();                                 // selects nothing
    bool isSelected(size_t index) const;                   // whether the row is selected
    size_t selectedIndex() const;                          // the current selected row, or kNone
    std::vector<size_t> selectedIndices() const;           // every selected row, in order
    size_t selectedCount() const { return selectionSize; }  // how many rows are selected

    float rowHeight() const;         // one row's height: the font size and a little room
    float maxScroll() const;         // how far the rows can scroll
    void scrollTo(float offset);     // scrolls, clamped and snapped to whole pixels
    float scrolled() const { return scrollY; }  // how far the rows are scrolled up
    size_t rowAt(float localY) const;  // the row at local y, or kNone
    // Changes whenever what the list draws from changes (items, selection, scroll).
    unsigned revision() const { return changes; }

    bool multiple = false;                       // many rows may be selected
    float fontSize = 2.0f;                       // the rows' text size
    float barWidth;                              // the scroll bar's width
    Color fontColor{{0, 0, 0, 255}};             // unselected rows' text
    Color selectionColor{{70, 130, 200, 255}};   // selected rows' background
    Color selectedFontColor{{255, 255, 255, 255}};  // selected rows' text
    Color barColor{{200, 200, 200, 255}};        // the scroll bar's track
    Color thumbColor{{120, 120, 120, 255}};      // the scroll bar's thumb
    Color focusColor;                            // the focus frame
    Callback changeCallback;                     // the selection changed
    Callback submitCallback;                     // Enter, or a double click on a row

private:
    void describe(DrawRecorder& out);
    bool hasScrollBar() const;
    float rowsWidth() const;  // the width left of the scroll bar
    // Moves the current row to index (clamped), selecting as a click or key does; extend
    // selects the run from the anchor, toggle flips the row alone.
    void moveTo(size_t index, bool extend, bool toggle);
    void setRowSelected(size_t index, bool on);
    void showRow(size_t index);  // scrolls just far enough that the row is in view
    void changed() { ++changes; }

    std::vector<std::string> items;
    std::vector<char> selected;      // per item: selected
    size_t selectionSize = 0;        // selected rows
    size_t current = kNone;          // the row the keys move from
    size_t anchor = kNone;           // where a Shift run starts
    float scrollY = 0;
    unsigned changes = 0;
    unsigned selectionRevision = 0;  // changes of the selection alone
    size_t pendingSelected = kNone;  // the file's selected index, for the item still to come
    bool draggingThumb = false;
    float thumbGrab = 0;
    size_t lastClickRow = kNone;     // for double clicks
    double lastClickTime = -1;
};

}  // namespace trellis
