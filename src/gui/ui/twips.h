#pragma once

#include <QWidget>

#include <cmath>

namespace bm::gui {

// Widths of the data grids are given in twips, 1/1440 inch; the screen's
// dots per inch turn them into pixels.
inline int twipsToPixels(int twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / 1440.0));
}

} // namespace bm::gui
