#pragma once
// The one-line text put on the clipboard beside a copied picture, so that
// pasting it into a label restores the copy's size and file: the tag, width
// and height in twips (six characters each, right-aligned), then the path.
#include <QString>
#include <optional>

namespace clipdesc {

inline constexpr const char* Tag = "CKMGraphic-";

QString encode(double widthTwips, double heightTwips, const QString& path);

struct Decoded {
    QString path;
    // Whole twips, rounded down; nothing when a field is not a number or is
    // beyond the 16-bit range (the pasted picture then keeps its own size).
    std::optional<int> width, height;
};

// Nothing when the text does not start with the tag.
std::optional<Decoded> decode(const QString& text);

} // namespace clipdesc
