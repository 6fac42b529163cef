#include "ContentRecords.h"

#include "PictureCache.h"
#include "QrCode.h"
#include "TextMeasure.h"
#include "app/Units.h"
#include "platform/Platform.h"

using namespace CKM_Header;
using units::CInt;

namespace records {

HeaderRecord header(const LabelContent& c, int16_t surfaceW, int16_t surfaceH)
{
    HeaderRecord h;
    h.labelWidth = surfaceW;
    h.labelHeight = surfaceH;
    h.labelType = c.label.LabelType;
    h.borderVisible = fromBool(c.frame.visible);
    h.borderWidth = c.frame.width;
    h.borderShape = Module1::styleNameToShapeCode(c.frameStyle);
    h.borderColor = int32_t(c.frame.color);
    h.borderFillColor = int32_t(c.frame.fillColor);
    h.borderFillStyle = c.frame.fillStyle;
    h.topMargin = float(c.label.TopMargin);
    h.leftMargin = float(c.label.LeftMargin);
    h.backColor = int32_t(c.backColor);
    h.rowSpace = float(c.label.RowSpace);
    h.columnSpace = float(c.label.ColumnSpace);
    // QR codes are picture records too.
    h.graphicCount = int16_t(c.count<GraphicItem>() + c.count<QrItem>());
    int textCount = 0;
    for (const ItemPtr& p : c.items)
        if (const auto* t = std::get_if<TextItem>(p.get()); t && !t->text.isEmpty())
            ++textCount;
    h.textCount = int16_t(textCount);
    return h;
}

GraphicRecord record(const GraphicItem& g, const QString& storedPath, bool keepAspect)
{
    GraphicRecord gr;
    gr.path = toCodePage(storedPath);
    gr.documentAspect = fromBool(keepAspect);
    gr.left = CInt(g.left);
    gr.top = CInt(g.top);
    gr.width = CInt(g.width);
    gr.height = CInt(g.height);
    gr.itemAspect = fromBool(g.tag.startsWith('1'));
    return gr;
}

GraphicRecord record(const QrItem& q, bool keepAspect)
{
    GraphicRecord gr;
    gr.path = toCodePage(qrcode::storedName(q));
    gr.documentAspect = fromBool(keepAspect);
    gr.left = CInt(q.left);
    gr.top = CInt(q.top);
    gr.width = CInt(q.size);
    gr.height = CInt(q.size);
    return gr;
}

std::optional<QrItem> qrItem(const GraphicRecord& r)
{
    auto q = qrcode::fromStoredName(fromCodePage(r.path).trimmed());
    if (q) {
        q->left = r.left;
        q->top = r.top;
        q->size = r.width;
    }
    return q;
}

TextRecord record(const TextItem& t, QByteArray* bytes)
{
    *bytes = toCodePage(t.text);
    TextRecord tr;
    tr.textLength = int16_t(bytes->size());
    tr.left = CInt(t.left);
    tr.top = CInt(t.top);
    tr.foreColor = int32_t(t.foreColor);
    tr.backColor = int32_t(t.backColor);
    tr.backStyle = t.backStyle;
    tr.alignment = t.alignment;
    tr.fontName = toCodePage(t.font.name);
    tr.fontSize = storedFontSize(t.font.size);
    tr.bold = fromBool(t.font.bold);
    tr.italic = fromBool(t.font.italic);
    tr.underline = fromBool(t.font.underline);
    tr.rotation = t.rotation;
    return tr;
}

QByteArray encode(const LabelContent& c, int16_t surfaceW, int16_t surfaceH, const std::vector<QString>& storedPaths)
{
    QByteArray out = CKM_Header::encode(header(c, surfaceW, surfaceH));
    // Pictures in their ranks, then texts in their stacking order, so
    // reopening stacks them the same way: the order of the list itself. QR
    // codes are picture records among the pictures.
    size_t rank = 0;
    for (const ItemPtr& p : c.items) {
        if (const auto* g = std::get_if<GraphicItem>(p.get()))
            out += CKM_Header::encode(record(*g, storedPaths.at(rank++), c.keepAspect));
        else if (const auto* q = std::get_if<QrItem>(p.get()))
            out += CKM_Header::encode(record(*q, c.keepAspect));
    }
    for (const ItemPtr& p : c.items) {
        const auto* t = std::get_if<TextItem>(p.get());
        if (!t || t->text.isEmpty())
            continue;
        QByteArray bytes;
        out += CKM_Header::encode(record(*t, &bytes));
        out += bytes;
    }
    return out;
}

void readHeader(LabelContent& c, const HeaderRecord& h)
{
    c.label.LabelType = h.labelType;
    c.label.LabelHeight = units::twipsToInches(h.labelHeight);
    c.label.LabelWidth = units::twipsToInches(h.labelWidth);
    c.frame.visible = h.borderVisible != 0;
    c.frame.width = h.borderWidth;
    c.frame.color = ColorValue(h.borderColor);
    c.frameStyle = Module1::listPositionToStyleName(Module1::shapeCodeToListPosition(h.borderShape));
    c.frame.shapeCode = Module1::styleNameToShapeCode(c.frameStyle);
    c.label.TopMargin = h.topMargin;
    c.label.LeftMargin = h.leftMargin;
    c.label.RowSpace = h.rowSpace;
    c.label.ColumnSpace = h.columnSpace;
    c.backColor = ColorValue(h.backColor);
}

GraphicItem item(const GraphicRecord& r, const PictureData& pic, const QString& path)
{
    GraphicItem g;
    g.picture = pictures::fastest(pic.image);
    g.vector = pic.vector;
    g.natural = pic.naturalTwips;
    g.refTag = "0" + path;
    g.tag = QString(r.itemAspect != 0 ? "1" : "0") + path;
    g.left = r.left;
    g.top = r.top;
    g.width = r.width;
    g.height = r.height;
    g.visible = true;
    return g;
}

TextItem item(const TextRecord& r, const QString& text, const QSizeF& surface, const QString& face,
              const TextMeasurer& measurer)
{
    TextItem t;
    t.text = text;
    t.rotation = r.rotation;
    t.left = r.left > surface.width() ? surface.width() / 2 : r.left;
    t.top = r.top > surface.height() ? surface.height() / 2 : r.top;
    t.foreColor = ColorValue(r.foreColor);
    t.backColor = ColorValue(r.backColor);
    t.backStyle = r.backStyle;
    t.alignment = r.alignment;
    const QString stored = fromCodePage(r.fontName).trimmed();
    t.font.name = stored.isEmpty() ? face : Module1::fontFamilyName(stored);
    t.font.size = r.fontSize >= 1 ? r.fontSize : 1;
    t.font.bold = r.bold != 0;
    t.font.italic = r.italic != 0;
    t.font.underline = r.underline != 0;
    const QSizeF m = measurer.measure(t.text, t.font);
    t.width = m.width() + 60;
    t.height = m.height() + 60;
    t.visible = true;
    return t;
}

} // namespace records
