#include "platform/figure_room.h"

#include <QWidget>
#include <algorithm>

#include "platform/base.h"

namespace {

// The least space kept between a figure and the control beside it, so that
// its digits never touch the letters of its caption or its unit. The windows
// place their figures 2 to 4 pixels from their neighbours; a wider gap would
// refuse counters that the layout shows whole.
constexpr int NeighbourGap = 1;  // px

}  // namespace

FigureRoom RoomOf(const TLabel& label) {
    const QWidget* own = label.Widget();
    const QWidget* parent = own->parentWidget();
    // Inside its parent's frame: a group box keeps its contents margins at its
    // style's frame and title.
    const QRect inner = parent->contentsRect();
    FigureRoom room{inner.left(), inner.right() + 1};
    // The label's columns as placed, before it grew to any text.
    const TLabel::Span placed = label.SpanFor("");
    const int top = own->y(), bottom = own->y() + own->height();
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == own || sibling->isHidden() || sibling->isWindow()) continue;
        const QRect r = sibling->geometry();
        if (r.isEmpty() || r.top() >= bottom || r.bottom() + 1 <= top) continue;
        // A neighbour placed closer than the gap costs the label none of
        // the columns it was given.
        const int placedRight = placed.left + placed.width;
        if (r.right() + 1 <= placed.left)
            room.left = std::max(room.left, std::min(r.right() + 1 + NeighbourGap, placed.left));
        if (r.left() >= placedRight)
            room.right = std::min(room.right, std::max(r.left() - NeighbourGap, placedRight));
    }
    return room;
}

bool TextFits(const TLabel& label, const std::string& text) {
    const FigureRoom room = RoomOf(label);
    const TLabel::Span span = label.SpanFor(text);
    return span.left >= room.left && span.left + span.width <= room.right;
}

void RefuseUnfitting(std::span<const ShownText> texts, const std::string& message) {
    for (const ShownText& shown : texts)
        if (!TextFits(*shown.label, shown.text)) {
            ShowMessage(message);
            Abort();
        }
}
