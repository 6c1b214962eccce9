#include "platform/figure_room.h"

#include <QWidget>
#include <algorithm>

namespace {

// The least space kept between a figure and the control beside it, so that
// its digits never touch the letters of its caption or its unit. The windows
// place their figures 2 to 4 pixels from their neighbours; a wider gap would
// refuse counters that the layout shows whole.
constexpr int NeighbourGap = 1;  // px

// The span of the parent, in its coordinates, that the label may take: from
// the nearest visible sibling on its left (or the parent's inner frame) to the
// nearest on its right, among the siblings beside its row.
struct FigureRoom {
    int left;
    int right;  // one past the last column
};

FigureRoom RoomOf(const TLabel& label) {
    const QWidget* own = label.Widget();
    const QWidget* parent = own->parentWidget();
    // Inside its parent's frame: a group box keeps its contents margins at its
    // style's frame and title.
    const QRect inner = parent->contentsRect();
    FigureRoom room{inner.left(), inner.right() + 1};
    // The label's columns as placed, before it grew to any text.
    const TLabel::Span placed = label.SpanFor("");
    const int placedRight = placed.left + placed.width;
    const int top = own->y(), bottom = own->y() + own->height();
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == own || sibling->isHidden() || sibling->isWindow()) continue;
        const QRect r = sibling->geometry();
        if (r.isEmpty() || r.top() >= bottom || r.bottom() + 1 <= top) continue;
        // A neighbour placed closer than the gap costs the label none of
        // the columns it was given.
        if (r.right() + 1 <= placed.left)
            room.left = std::max(room.left, std::min(r.right() + 1 + NeighbourGap, placed.left));
        if (r.left() >= placedRight)
            room.right = std::min(room.right, std::max(r.left() - NeighbourGap, placedRight));
    }
    return room;
}

}  // namespace

bool TextFits(const TLabel& label, const std::string& text) {
    const FigureRoom room = RoomOf(label);
    const TLabel::Span span = label.SpanFor(text);
    return span.left >= room.left && span.left + span.width <= room.right;
}
