#include "Handles.h"

#include <algorithm>

namespace handles {

double sizeOnScreen(double twipsPerPixel) { return std::max(Size, MinPixels * twipsPerPixel); }

std::array<QRectF, Count> placeHandles(const QRectF& b, double size)
{
    const double f = size / Size;
    const double top[3] = {b.top() - 30 * f, b.top() + b.height() / 2 - 40 * f, b.top() + b.height() - 40 * f};
    const double left[3] = {b.left() - 30 * f, b.left() + b.width() / 2 - 40 * f, b.left() + b.width() - 50 * f};
    // (column, row) of each handle index.
    static constexpr int at[Count][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    std::array<QRectF, Count> r;
    for (int i = 0; i < Count; ++i)
        r[i] = QRectF(left[at[i][0]], top[at[i][1]], size, size);
    return r;
}

QPointF anchor(const QRectF& b, int index)
{
    const double x[3] = {b.left(), b.center().x(), b.right()};
    const double y[3] = {b.top(), b.center().y(), b.bottom()};
    static constexpr int at[Count][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
    return index >= 0 && index < Count ? QPointF(x[at[index][0]], y[at[index][1]]) : b.center();
}

Qt::CursorShape cursorFor(int index)
{
    switch (index) {
    case 0:
    case 7: return Qt::SizeFDiagCursor;
    case 2:
    case 5: return Qt::SizeBDiagCursor;
    case 1:
    case 6: return Qt::SizeVerCursor;
    case 3:
    case 4: return Qt::SizeHorCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace handles
