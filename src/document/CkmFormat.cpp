#include "CkmFormat.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QIODevice>
#include <QStringList>
#include <cmath>
#include <cstring>

namespace CKM_Header {

namespace {

// Characters 0x80..0x9F of Windows-1252; 0 marks the five unused codes.
const char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

class Writer {
public:
    explicit Writer(int size) { m_b.reserve(size); }
    void ch(char c) { m_b.append(c); }
    void i16(int16_t v)
    {
        const auto u = uint16_t(v);
        m_b.append(char(u & 0xFF));
        m_b.append(char(u >> 8));
    }
    void i32(int32_t v)
    {
        const auto u = uint32_t(v);
        for (int i = 0; i < 4; ++i)
            m_b.append(char((u >> (8 * i)) & 0xFF));
    }
    void f32(float f)
    {
        uint32_t u;
        std::memcpy(&u, &f, 4);
        i32(int32_t(u));
    }
    void raw(const QByteArray& b) { m_b.append(b); }
    QByteArray bytes() const { return m_b; }

private:
    QByteArray m_b;
};

class Reader {
public:
    explicit Reader(const char* p) : m_p(reinterpret_cast<const unsigned char*>(p)) {}
    char ch() { return char(m_p[m_o++]); }
    int16_t i16()
    {
        const uint16_t u = uint16_t(m_p[m_o] | (m_p[m_o + 1] << 8));
        m_o += 2;
        return int16_t(u);
    }
    int32_t i32()
    {
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= uint32_t(m_p[m_o + i]) << (8 * i);
        m_o += 4;
        return int32_t(u);
    }
    float f32()
    {
        const uint32_t u = uint32_t(i32());
        float f;
        std::memcpy(&f, &u, 4);
        return f;
    }
    QByteArray raw(int n)
    {
        QByteArray b(reinterpret_cast<const char*>(m_p + m_o), n);
        m_o += n;
        return b;
    }
    void skip(int n) { m_o += n; }

private:
    const unsigned char* m_p;
    int m_o = 0;
};

} // namespace

int16_t storedFontSize(double points)
{
    const double v = std::floor(points + 0.5);
    if (!(v < 32767))
        return 32767;
    if (v < -32768)
        return -32768;
    return int16_t(v);
}

namespace {

// The code-page byte of a character, or 0 when the code page has none for it.
char codePageByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] && kHigh[k] == c)
            return char(0x80 + k);
    return 0;
}

} // namespace

QByteArray toCodePage(const QString& s)
{
    QByteArray out;
    out.reserve(s.size());
    for (const char32_t c : s.toUcs4()) {
        const char b = codePageByte(c);
        out.append(b || c == 0 ? b : '?'); // one '?' for every character the code page lacks
    }
    return out;
}

QStringList charactersNotKept(const QString& s)
{
    QStringList lost;
    for (const char32_t c : s.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c != 0 && !codePageByte(c) && !lost.contains(one))
            lost << one;
    }
    return lost;
}

qsizetype storedLength(const QString& s)
{
    qsizetype n = s.size();
    for (qsizetype i = 0; i + 1 < s.size(); ++i)
        if (s.at(i).isHighSurrogate() && s.at(i + 1).isLowSurrogate())
            --n, ++i; // one character, one byte
    return n;
}

QString textTooLongMessage(qsizetype length)
{
    return QCoreApplication::translate("LabelDocument",
                                       "A text on a label can be at most 32,767 characters long (a line break counts "
                                       "as two), and this one has %1.")
        .arg(length);
}

QString fromCodePage(const QByteArray& b)
{
    QString s;
    s.reserve(b.size());
    for (const char ch : b) {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x80 && u < 0xA0)
            s.append(kHigh[u - 0x80] ? QChar(kHigh[u - 0x80]) : QChar(u));
        else
            s.append(QChar(u));
    }
    return s;
}

QByteArray fixedField(const QByteArray& b, int width)
{
    QByteArray r = b.left(width);
    if (r.size() < width)
        r.append(QByteArray(width - r.size(), ' '));
    return r;
}

QByteArray encode(const HeaderRecord& r)
{
    Writer w(HeaderSize);
    w.ch(r.kind);
    w.i16(r.recordMark);
    w.raw("10");
    w.ch(13);
    w.raw("Corkcrafter File");
    w.ch(26);
    w.i16(r.labelWidth);
    w.i16(r.labelHeight);
    w.i16(r.labelType);
    w.i16(r.borderVisible);
    w.i16(r.borderWidth);
    w.i16(r.borderShape);
    w.i32(r.borderColor);
    w.i32(r.borderFillColor);
    w.i16(r.borderFillStyle);
    w.f32(r.topMargin);
    w.f32(r.leftMargin);
    w.i32(r.backColor);
    w.f32(r.rowSpace);
    w.f32(r.columnSpace);
    w.raw(QByteArray(12, ' '));
    w.i16(r.graphicCount);
    w.i16(r.textCount);
    return w.bytes();
}

QByteArray encode(const GraphicRecord& r)
{
    Writer w(GraphicSize);
    w.ch(r.kind);
    w.i16(r.recordMark);
    w.raw(fixedField(r.path, PathWidth));
    w.i16(r.documentAspect);
    w.i16(r.left);
    w.i16(r.top);
    w.i16(r.width);
    w.i16(r.height);
    w.i16(r.reserved);
    w.i16(r.itemAspect);
    w.raw(QByteArray(5, ' '));
    return w.bytes();
}

QByteArray encode(const TextRecord& r)
{
    Writer w(TextSize);
    w.ch(r.kind);
    w.i16(r.recordMark);
    w.i16(r.textLength);
    w.i16(r.left);
    w.i16(r.top);
    w.i32(r.foreColor);
    w.i32(r.backColor);
    w.i16(r.backStyle);
    w.i16(r.alignment);
    w.raw(fixedField(r.fontName, FontNameWidth));
    w.i16(r.fontSize);
    w.i16(r.bold);
    w.i16(r.italic);
    w.i16(r.underline);
    w.i16(r.rotation);
    w.raw(QByteArray(5, ' '));
    return w.bytes();
}

HeaderRecord decodeHeader(const char* p)
{
    Reader rd(p);
    HeaderRecord r;
    r.kind = rd.ch();
    r.recordMark = rd.i16();
    rd.skip(2 + 1 + 16 + 1);
    r.labelWidth = rd.i16();
    r.labelHeight = rd.i16();
    r.labelType = rd.i16();
    r.borderVisible = rd.i16();
    r.borderWidth = rd.i16();
    r.borderShape = rd.i16();
    r.borderColor = rd.i32();
    r.borderFillColor = rd.i32();
    r.borderFillStyle = rd.i16();
    r.topMargin = rd.f32();
    r.leftMargin = rd.f32();
    r.backColor = rd.i32();
    r.rowSpace = rd.f32();
    r.columnSpace = rd.f32();
    rd.skip(12);
    r.graphicCount = rd.i16();
    r.textCount = rd.i16();
    return r;
}

GraphicRecord decodeGraphic(const char* p)
{
    Reader rd(p);
    GraphicRecord r;
    r.kind = rd.ch();
    r.recordMark = rd.i16();
    r.path = rd.raw(PathWidth);
    r.documentAspect = rd.i16();
    r.left = rd.i16();
    r.top = rd.i16();
    r.width = rd.i16();
    r.height = rd.i16();
    r.reserved = rd.i16();
    r.itemAspect = rd.i16();
    return r;
}

TextRecord decodeText(const char* p)
{
    Reader rd(p);
    TextRecord r;
    r.kind = rd.ch();
    r.recordMark = rd.i16();
    r.textLength = rd.i16();
    r.left = rd.i16();
    r.top = rd.i16();
    r.foreColor = rd.i32();
    r.backColor = rd.i32();
    r.backStyle = rd.i16();
    r.alignment = rd.i16();
    r.fontName = rd.raw(FontNameWidth);
    r.fontSize = rd.i16();
    r.bold = rd.i16();
    r.italic = rd.i16();
    r.underline = rd.i16();
    r.rotation = rd.i16();
    return r;
}

ParsedLabel parse(QIODevice& in, bool headerOnly)
{
    ParsedLabel out;
    QByteArray buf = in.read(HeaderSize);
    if (buf.size() < HeaderSize || buf.at(0) != 'L') {
        out.failure = ParsedLabel::BadHeader;
        return out;
    }
    out.header = decodeHeader(buf.constData());
    // A label needs an area: a window or a sheet cannot be laid out for less.
    if (out.header.labelWidth <= 0 || out.header.labelHeight <= 0) {
        out.failure = ParsedLabel::BadHeader;
        return out;
    }
    // An infinite or undefined margin or spacing can only come from a damaged
    // file, and no sheet could ever be laid out with it.
    const HeaderRecord& h = out.header;
    for (const float f : {h.topMargin, h.leftMargin, h.rowSpace, h.columnSpace}) {
        if (!std::isfinite(f)) {
            out.failure = ParsedLabel::BadHeader;
            return out;
        }
    }
    if (headerOnly)
        return out;
    for (int i = 0; i < out.header.graphicCount; ++i) {
        buf = in.read(GraphicSize);
        if (buf.size() < GraphicSize || buf.at(0) != 'G') {
            out.failure = ParsedLabel::BadGraphic;
            return out;
        }
        out.graphics.push_back(decodeGraphic(buf.constData()));
    }
    for (int i = 0; i < out.header.textCount; ++i) {
        buf = in.read(TextSize);
        if (buf.size() < TextSize || buf.at(0) != 'T') {
            out.failure = ParsedLabel::BadText;
            return out;
        }
        ParsedLabel::Text t;
        t.record = decodeText(buf.constData());
        if (t.record.textLength < 0) {
            out.failure = ParsedLabel::BadText;
            return out;
        }
        t.text = in.read(t.record.textLength);
        if (t.text.size() < t.record.textLength) {
            out.failure = ParsedLabel::BadText;
            return out;
        }
        out.texts.push_back(std::move(t));
    }
    return out;
}

ParsedLabel parse(const QByteArray& bytes, bool headerOnly)
{
    QByteArray copy = bytes;
    QBuffer b(&copy);
    b.open(QIODevice::ReadOnly);
    return parse(b, headerOnly);
}

} // namespace CKM_Header
