#include "app/SplitButtonLayout.h"

namespace qlx {

int SplitButtonLayout::DefaultCommand(int requested, const std::vector<int>& menuCommands) {
    if (requested != 0 || menuCommands.empty()) {
        return requested;
    }
    return menuCommands.front();
}

std::vector<int> SplitButtonLayout::DroppedCommands(const std::vector<int>& menuCommands,
                                                    int defaultCommand) {
    std::vector<int> dropped;
    for (const int command : menuCommands) {
        if (command != defaultCommand) {
            dropped.push_back(command);
        }
    }
    return dropped;
}

SplitButtonLayout::Drawing SplitButtonLayout::Layout(Rect r, bool pressed) {
    Drawing d;
    const int shift = pressed ? 1 : 0;
    Rect t{r.left + shift, r.top + shift, r.right + shift, r.bottom + shift};
    // The separator's lower end is measured from the height, as the button is drawn in its
    // own coordinates (top 0).
    d.separator = {t.right - kDropZoneWidth, t.top + 4, t.right - kDropZoneWidth,
                   t.bottom - t.top - 4};
    const int mid = t.top + (t.bottom - t.top) / 2;
    d.arrow[0] = {t.right - 12, mid - 1, t.right - 7, mid - 1};
    d.arrow[1] = {t.right - 11, mid, t.right - 8, mid};
    d.arrow[2] = {t.right - 10, mid + 1, t.right - 9, mid + 1};
    d.focus = {r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    d.caption = {t.left, t.top, t.right - 12, t.bottom};
    return d;
}

} // namespace qlx
