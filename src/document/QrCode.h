#pragma once
// QR codes: the modules of a code for its data (libqrencode), and how a QR
// item is kept in a label file. A label file has no record of its own for a
// QR code, so it is stored as a picture record whose name the program
// recognises: "<qr:M #RRGGBB>" and the data. '<' and '>' cannot be in a file
// name on the system the format comes from, so no reader ever finds a file of
// that name: a reader that does not know QR codes reports a missing picture
// and goes on.
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "LabelTypes.h"

namespace qrcode {

// The light border the standard asks around the code, in modules.
constexpr int QuietZone = 4;

// The code's modules, row by row (true is dark); empty when the data does not
// fit a QR code at that level.
struct Matrix {
    int width = 0;
    std::vector<uint8_t> dark;
    bool ok() const { return width > 0; }
    bool at(int x, int y) const { return dark[size_t(y) * size_t(width) + size_t(x)] != 0; }
};

// The code for `data` (as UTF-8) at level 'L', 'M', 'Q' or 'H'. Recent codes
// are kept, so painting one again does not encode it again.
Matrix encode(const QString& data, char level);
// The one-line reason a code cannot be made of `data`; empty when it can.
QString encodeProblem(const QString& data, char level);

// The name that stands for a QR item in a picture record, and the QR item
// (data, level, colour; no place) a stored name stands for.
QString storedName(const QrItem& q);
std::optional<QrItem> fromStoredName(const QString& name);
// The longest data a label file keeps (the picture record's 128-byte name
// less the QR code's mark), in bytes of the file's code page.
constexpr int MaxStoredData = 128 - 14;
// Why `data` cannot be kept in a label file as typed; empty when it can.
QString dataRefusal(const QString& data);
// A level given as typed ("L" ... "H", any case): its letter, or 0.
char levelOf(const QString& text);

} // namespace qrcode
