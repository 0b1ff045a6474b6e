#pragma once

#include <array>
#include <vector>

namespace qlx {

// Geometry and menu rules of the split push button: a body that runs the default command and
// a 16-pixel zone at the right edge, behind a separator line and a small down arrow, that
// drops down the other commands. Coordinates are the button's own, right and bottom
// exclusive.
class SplitButtonLayout {
public:
    static constexpr int kDropZoneWidth = 16;

    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    // A horizontal or vertical line from (x1, y1) to (x2, y2), the end point not drawn.
    struct Line {
        int x1 = 0;
        int y1 = 0;
        int x2 = 0;
        int y2 = 0;
    };
    struct Drawing {
        Line separator;
        std::array<Line, 3> arrow; // rows of 5, 3 and 1 pixels
        Rect focus;                // the button shrunk by 4 on every side
        Rect caption;              // the caption's box, clear of the drop zone
    };

    // A press at x drops the menu down when it lies right of (width - 16).
    static bool InDropZone(int x, int width) { return x > width - kDropZoneWidth; }

    // The default command: `requested`, or the first command of the menu when it is 0.
    static int DefaultCommand(int requested, const std::vector<int>& menuCommands);

    // The commands the dropped menu offers: the menu's own, in order, less the default one.
    static std::vector<int> DroppedCommands(const std::vector<int>& menuCommands,
                                            int defaultCommand);

    // Where the separator, the arrow, the focus frame and the caption go in `r`; `pressed`
    // moves the picture by one pixel down and right as a flat (unstyled) button does.
    static Drawing Layout(Rect r, bool pressed);
};

} // namespace qlx
