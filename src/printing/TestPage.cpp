#include "TestPage.h"

#include <cmath>

#include "DrawingSurface.h"
#include "ShiftedSurface.h"
#include "app/Icons.h"

namespace testpage {

namespace {

// Runs one drawing step; a device failure skips it.
template <class F> void step(F&& f)
{
    try {
        f();
    } catch (const PrintError&) {
    }
}

QString rulerNumber(double v, QChar sep) { return QString::number(v, 'f', 1).replace('.', sep); }

bool onHalfInch(double v) { return std::floor(2 * v) * 4 == std::floor(8 * v); }

} // namespace

void print(DrawingSurface& target, const QImage& picture, QSizeF pictureInches, QChar sep,
           const stock::Placement& adjustment)
{
    ShiftedSurface shifted(target, adjustment.right, adjustment.down);
    DrawingSurface& s = adjustment.shifted() ? static_cast<DrawingSurface&>(shifted) : target;
    step([&] { s.setFontName("Arial"); });
    step([&] { s.setFontSize(8); });
    step([&] { s.setDrawWidth(1); });
    step([&] { s.setForeColor(0); });

    const double sw = s.scaleWidth(), sh = s.scaleHeight();
    const double cx = sw / 3, cy = sh / 3;
    double hh = 0;
    step([&] { hh = s.textHeight("123") / 2; });

    step([&] { s.line(0, cy, sw, cy, 0); });
    step([&] { s.line(cx, 0, cx, sh, 0); });

    // Ticks every eighth of an inch, long on the quarters; the ruler runs a
    // little past the edge so a tick exactly on it is still drawn.
    bool longTick = true;
    for (int i = 0; i * 0.125 <= sw + 0.05; ++i) {
        const double x = i * 0.125;
        const double len = longTick ? 0.1 : 0.06;
        step([&] { s.line(x, cy - len / 2, x, cy + len / 2, 0); });
        longTick = !longTick;
        if (onHalfInch(x)) {
            const QString text = rulerNumber(x, sep);
            step([&] {
                s.setCurrentX(x - s.textWidth(text) / 2);
                s.setCurrentY(cy + len / 2);
                s.print(text);
            });
        }
    }
    longTick = true;
    for (int i = 0; i * 0.125 <= sh + 0.05; ++i) {
        const double y = i * 0.125;
        const double len = longTick ? 0.1 : 0.06;
        step([&] { s.line(cx - len / 2, y, cx + len / 2, y, 0); });
        longTick = !longTick;
        if (onHalfInch(y)) {
            step([&] {
                s.setCurrentX(cx + len / 2 + 0.03);
                s.setCurrentY(y - hh);
                s.print(rulerNumber(y, sep));
            });
        }
    }

    step([&] { s.paintPicture(picture, 0.6, 1.0, pictureInches.width(), pictureInches.height()); });
    const double mid = 0.6 + pictureInches.width() / 2;
    step([&] { s.setCurrentY(2.5); });
    step([&] { s.setFontSize(12); });
    for (const QString& text : {QStringLiteral("Corkcrafter 2\u2122"), QStringLiteral("Printer Test Page")}) {
        step([&] {
            s.setCurrentX(mid - s.textWidth(text) / 2);
            s.print(text);
        });
    }
    step([&] { s.endDoc(); });
}

QImage samplePicture(const QString& dataDir)
{
    // Drawn at 600 dots an inch so the sample stays sharp on paper.
    return programImage(600, dataDir, Qt::white);
}

} // namespace testpage
