// List boxes: items as strings, selection by mouse and keys, and drawing only the rows in view.
#include "trellis/gui/ListBox.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/ScrollBarShape.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

namespace trellis {

namespace {

constexpr double kDoubleClickSeconds = 0.4;  // two presses on one row this close submit

double secondsNow() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ListBox::ListBox(const char* name, GuiElement* parent, float x, float y, float width,
                 float height)
    : GuiElement(name, parent, x, y, width, height), barWidth(snapToPixel(1.5f)),
      focusColor(kDefaultFocusColor) {
    skinClass = "listbox";
    ListBox::applySkin(skinStore);
}

void ListBox::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fontColor", fontColor);
    applySkinFontSize(sections, "fontSize", fontSize);
    applySkinColor(sections, "selectionColor", selectionColor);
    applySkinColor(sections, "selectedFontColor", selectedFontColor);
    applySkinColor(sections, "barColor", barColor);
    applySkinColor(sections, "thumbColor", thumbColor);
    applySkinColor(sections, "focusColor", focusColor);
    applySkinBarWidth(sections, barWidth);
    changed();
}

void ListBox::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    multiple = optInAttribute(element, "multiple");
    readFontSizeAttribute(element, "fontSize", fontSize);
    readColorAttribute(element, "fontColor", fontColor);
    bindCallback(textAttribute(element, "onChange"), changeCallback);
    bindCallback(textAttribute(element, "onSubmit"), submitCallback);
    float index = -1;
    // The items come after the element itself: the index is checked against them as they come.
    if (readNumberAttribute(element, "selected", index)) {
        if (index < 0 || index != std::floor(index))
            element.reportValue("selected", "is not an item index; nothing is selected");
        else
            pendingSelected = size_t(index);
    }
}

bool ListBox::loadItem(const char* tag, const AttributeSource& item) {
    if (std::strcmp(tag, "item") != 0)
        return false;
    const char* text = textAttribute(item, "text");
    addItem(text ? text : "");
    if (optInAttribute(item, "selected") || pendingSelected == items.size() - 1) {
        if (!multiple)
            clearSelection();
        setRowSelected(items.size() - 1, true);
        current = anchor = items.size() - 1;
    }
    return true;
}

void ListBox::setItems(std::vector<std::string> texts) {
    items = std::move(texts);
    selected.assign(items.size(), 0);
    selectionSize = 0;
    current = anchor = lastClickRow = kNone;
    scrollY = 0;
    changed();
}

void ListBox::addItem(std::string text) {
    items.push_back(std::move(text));
    selected.push_back(0);
    changed();
}

const std::string& ListBox::item(size_t index) const {
    static const std::string none;
    return index < items.size() ? items[index] : none;
}

void ListBox::setRowSelected(size_t index, bool on) {
    if (index >= items.size() || bool(selected[index]) == on)
        return;
    selected[index] = on;
    selectionSize += on ? 1 : -1;
    ++selectionRevision;
    changed();
}

void ListBox::clearSelection() {
    if (selectionSize == 0)
        return;
    std::fill(selected.begin(), selected.end(), 0);
    selectionSize = 0;
    ++selectionRevision;
    changed();
}

void ListBox::select(size_t index) {
    if (index < items.size()) {
        moveTo(index, false, false);
        return;
    }
    const unsigned before = selectionRevision;
    clearSelection();
    current = anchor = kNone;
    if (selectionRevision != before)
        changeCallback.fire(this);
}

bool ListBox::isSelected(size_t index) const {
    return index < items.size() && selected[index];
}

size_t ListBox::selectedIndex() const {
    if (isSelected(current))
        return current;
    if (selectionSize == 0)
        return kNone;
    return size_t(std::find(selected.begin(), selected.end(), 1) - selected.begin());
}

std::vector<size_t> ListBox::selectedIndices() const {
    std::vector<size_t> indices;
    for (size_t i = 0; i < items.size() && indices.size() < selectionSize; ++i)
        if (selected[i])
            indices.push_back(i);
    return indices;
}

float ListBox::rowHeight() const {
    return std::max(snapToPixel(fontSize * 1.25f), pixelSize);
}

float ListBox::maxScroll() const {
    return std::max(0.0f, float(double(items.size()) * rowHeight() - height));
}

bool ListBox::hasScrollBar() const {
    return maxScroll() > 0;
}

float ListBox::rowsWidth() const {
    return hasScrollBar() ? std::max(0.0f, width - barWidth) : width;
}

void ListBox::scrollTo(float offset) {
    const float next = snapToPixel(std::clamp(offset, 0.0f, maxScroll()));
    if (next != scrollY) {
        scrollY = next;
        changed();
    }
}

size_t ListBox::rowAt(float localY) const {
    if (localY < 0 || localY >= height)
        return kNone;
    const double row = std::floor((double(localY) + scrollY) / rowHeight());
    return row >= 0 && row < double(items.size()) ? size_t(row) : kNone;
}

void ListBox::showRow(size_t index) {
    const float top = float(double(index) * rowHeight()), bottom = top + rowHeight();
    if (top < scrollY)
        scrollTo(top);
    else if (bottom > scrollY + height)
        scrollTo(bottom - height);
}

void ListBox::moveTo(size_t index, bool extend, bool toggle) {
    if (items.empty())
        return;
    index = std::min(index, items.size() - 1);
    const unsigned before = selectionRevision;
    if (multiple && toggle) {
        setRowSelected(index, !selected[index]);
        anchor = index;
    } else if (multiple && extend && anchor < items.size()) {
        const size_t from = std::min(anchor, index), to = std::max(anchor, index);
        // Only the rows whose state differs are touched: a long run costs one pass.
        for (size_t i = 0; i < items.size(); ++i)
            setRowSelected(i, i >= from && i <= to);
    } else {
        if (selectionSize != 1 || !selected[index])
            clearSelection();
        setRowSelected(index, true);
        anchor = index;
    }
    if (current != index)
        changed();
    current = index;
    showRow(index);
    if (selectionRevision != before)
        changeCallback.fire(this);
}

void ListBox::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    draggingThumb = false;
    if (button != 0)
        return;
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    const float localX = pointerX - originX, localY = pointerY - originY;
    if (hasScrollBar() && localX >= rowsWidth()) {
        // A press on the track beside the thumb brings the thumb's middle under the pointer.
        const float length = scrollThumbLength(height, float(items.size()) * rowHeight(), barWidth);
        const float top = scrollThumbTop(height, length, scrollY, maxScroll());
        thumbGrab = localY >= top && localY < top + length ? localY - top : length * 0.5f;
        draggingThumb = true;
        onMouseDrag(localX, localY);
        return;
    }
    const size_t row = rowAt(localY);
    if (row == kNone)
        return;
    const double now = secondsNow();
    const bool extend = (heldModifiers & kModShift) != 0;
    const bool toggle = (heldModifiers & kModControl) != 0;
    // Only plain presses make a double click: Ctrl or Shift pressed twice edits the selection.
    const bool again = row == lastClickRow && now - lastClickTime < kDoubleClickSeconds &&
                       !extend && !toggle;
    moveTo(row, extend, toggle);
    // The second press of a double click submits, and a third starts over.
    lastClickRow = again ? kNone : row;
    lastClickTime = now;
    if (again)
        submitCallback.fire(this);
}

void ListBox::onMouseDrag(float, float localY) {
    const float length = scrollThumbLength(height, float(items.size()) * rowHeight(), barWidth);
    const float travel = height - length;
    if (draggingThumb && travel > 0)
        scrollTo((localY - thumbGrab) / travel * maxScroll());
}

bool ListBox::onKeyDown(int key) {
    const bool shift = (heldModifiers & kModShift) != 0;
    const size_t page = std::max<size_t>(1, size_t(height / rowHeight()));
    const size_t at = current < items.size() ? current : 0;
    const bool none = current >= items.size();  // the first key press lands on the first row
    switch (key) {
    case kKeyUp:
        moveTo(none || at == 0 ? 0 : at - 1, shift, false);
        return true;
    case kKeyDown:
        moveTo(none ? 0 : at + 1, shift, false);
        return true;
    case kKeyPageUp:
        moveTo(at > page ? at - page : 0, shift, false);
        return true;
    case kKeyPageDown:
        moveTo(none ? 0 : at + page, shift, false);
        return true;
    case kKeyHome:
        moveTo(0, shift, false);
        return true;
    case kKeyEnd:
        moveTo(items.empty() ? 0 : items.size() - 1, shift, false);
        return true;
    case kKeySpace:
        if (!multiple)
            return false;
        moveTo(at, false, true);
        return true;
    case kKeyEnter:
        if (items.empty())
            return false;
        submitCallback.fire(this);
        return true;
    default:
        return false;
    }
}

bool ListBox::onScroll(float dx, float dy) {
    if (!hasScrollBar())
        return false;
    scrollTo(scrollY - (dy != 0 ? dy : dx) * kScrollStepUnits);
    return true;
}

bool ListBox::isFocusable() const {
    return true;
}

void ListBox::draw() {
    GuiElement::draw();
    drawDescribed(&ListBox::describe);
}

bool ListBox::record(DrawRecorder& out) {
    return recordDescribed<ListBox>(out, &ListBox::describe, true);
}

void ListBox::describe(DrawRecorder& out) {
    const float rowH = rowHeight(), rowsRight = rowsWidth();
    // Only the rows that meet the view: the list's length costs nothing here.
    const size_t first = std::min(items.size(), size_t(scrollY / rowH));
    const size_t last = std::min(items.size(), size_t(std::ceil((scrollY + height) / rowH)));
    out.pushClip(0, 0, rowsRight, height);
    std::vector<RecordedVertex> marks;
    for (size_t i = first; i < last; ++i) {
        if (!selected[i])
            continue;
        const float top = float(double(i) * rowH - scrollY);
        marks.resize(marks.size() + 4);
        rectVertices(0, top, rowsRight, top + rowH, selectionColor, &marks[marks.size() - 4]);
    }
    if (!marks.empty())
        out.quads(marks.data(), int(marks.size()), false);
    const float inset = snapToPixel(fontSize * 0.25f);
    const float lift = snapToPixel((rowH - fontSize) * 0.5f);
    for (size_t i = first; i < last; ++i) {
        const float top = float(double(i) * rowH - scrollY);
        if (!items[i].empty())
            out.text(items[i].c_str(), inset, top + lift, fontSize,
                     selected[i] ? selectedFontColor : fontColor);
    }
    out.popClip();
    if (hasScrollBar()) {
        const float length = scrollThumbLength(height, float(items.size()) * rowH, barWidth);
        recordScrollBar(out, rowsRight, width, height,
                        scrollThumbTop(height, length, scrollY, maxScroll()), length, barColor,
                        thumbColor);
    }
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, width, height, focusColor);
}

}  // namespace trellis
