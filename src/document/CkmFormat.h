#pragma once
// Byte layout of label files: an 81-byte header, 150-byte picture records and
// 68-byte text records each followed by its text. Little-endian, packed,
// character fields in Windows-1252, space padded.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class QIODevice;

namespace CKM_Header {

constexpr int HeaderSize = 81;
constexpr int GraphicSize = 150;
constexpr int TextSize = 68;
constexpr int PathWidth = 128;
constexpr int FontNameWidth = 32;
// The longest text a text record holds whole (its length field).
constexpr int MaxTextLength = 32767;

struct HeaderRecord {
    char kind = 'L';
    int16_t recordMark = 39;
    int16_t labelWidth = 0;  // twips
    int16_t labelHeight = 0; // twips
    int16_t labelType = 0;
    int16_t borderVisible = -1;
    int16_t borderWidth = 12;
    int16_t borderShape = 4;
    int32_t borderColor = 0;
    int32_t borderFillColor = 0xFFFFFF;
    int16_t borderFillStyle = 1;
    float topMargin = 0;
    float leftMargin = 0;
    int32_t backColor = 0;
    float rowSpace = 0;
    float columnSpace = 0;
    int16_t graphicCount = 0;
    int16_t textCount = 0;
};

struct GraphicRecord {
    char kind = 'G';
    int16_t recordMark = 150;
    QByteArray path; // raw code-page bytes, up to 128
    int16_t documentAspect = 0;
    int16_t left = 0, top = 0, width = 0, height = 0;
    int16_t reserved = 0;
    int16_t itemAspect = 0;
};

struct TextRecord {
    char kind = 'T';
    int16_t recordMark = 64;
    int16_t textLength = 0;
    int16_t left = 0, top = 0;
    int32_t foreColor = 0;
    int32_t backColor = 0xFFFFFF;
    int16_t backStyle = 0;
    int16_t alignment = 2;
    QByteArray fontName; // raw code-page bytes, up to 32
    int16_t fontSize = 12;
    int16_t bold = 0, italic = 0, underline = 0;
    int16_t rotation = 0;
};

inline int16_t fromBool(bool b) { return b ? -1 : 0; }
// Whole points as stored: the size plus a half, rounded down.
int16_t storedFontSize(double points);

QByteArray encode(const HeaderRecord& r);
QByteArray encode(const GraphicRecord& r);
QByteArray encode(const TextRecord& r);
// Each decodes from at least the record's size in bytes.
HeaderRecord decodeHeader(const char* p);
GraphicRecord decodeGraphic(const char* p);
TextRecord decodeText(const char* p);

// Windows-1252: characters it cannot hold become '?'.
QByteArray toCodePage(const QString& s);
QString fromCodePage(const QByteArray& b);
// The characters of s that the code page cannot hold, each once, in the order
// they first appear: what a label file would turn into '?'.
QStringList charactersNotKept(const QString& s);
// The number of bytes a text takes in a label file: one a character (a line
// break, CR LF, is two).
qsizetype storedLength(const QString& s);
// What the user is told when a text of that stored length is refused.
QString textTooLongMessage(qsizetype length);
// Space padded on the right, cut to the width.
QByteArray fixedField(const QByteArray& b, int width);

// A whole file read record by record; reading stops at the first record that
// is missing, truncated or of the wrong kind, and never past the end.
struct ParsedLabel {
    enum Failure { None, BadHeader, BadGraphic, BadText };
    Failure failure = None;
    HeaderRecord header;
    std::vector<GraphicRecord> graphics;
    struct Text {
        TextRecord record;
        QByteArray text;
    };
    std::vector<Text> texts;
};
ParsedLabel parse(QIODevice& in, bool headerOnly = false);
ParsedLabel parse(const QByteArray& bytes, bool headerOnly = false);

} // namespace CKM_Header
