#pragma once
// Draws one label's pictures, border and texts with its top-left corner at (ox, oy).
class DrawingSurface;
class LabelDocument;

namespace render {

constexpr double RoundedRadius = 0.3472222222222222; // 500 twips

void drawLabel(DrawingSurface& s, const LabelDocument& doc, double ox, double oy, double ratio);

} // namespace render
