#include "LabelDocument.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "CkmFormat.h"
#include "TextMeasure.h"
#include "app/Units.h"
#include "platform/Platform.h"

using units::CInt;

LabelDocument::LabelDocument(ProgramValues& app, Platform& platform, const TextMeasurer& measurer)
    : m_app(app), m_platform(platform), m_measurer(measurer)
{
    m_spec.LabelType = app.labelType;
    m_spec.LabelHeight = app.labelHeight;
    m_spec.LabelWidth = app.labelWidth;
    m_spec.TopMargin = app.topMargin;
    m_spec.LeftMargin = app.leftMargin;
    m_spec.RowSpace = app.rowSpace;
    m_spec.ColumnSpace = app.columnSpace;
    m_spec.Cutmarks = app.cutmarks;

    m_border.visible = app.borderVisible;
    m_border.color = app.borderColor;
    m_border.width = app.borderWidth;
    valBorderStyle = app.borderStyle;
    m_border.shapeCode = Module1::styleNameToShapeCode(valBorderStyle);
    m_zOrder.push_back({ItemRef::Border, 0});

    m_surfaceW = units::inchesToTwips(m_spec.LabelWidth);
    m_surfaceH = units::inchesToTwips(m_spec.LabelHeight);
    m_vGuideX = m_surfaceW / 2.0;
    m_hGuideY = m_surfaceH / 2.0;
    m_history.setUndoLimit(HistoryLimit);
    // Undo, redo and new steps move the history towards or away from the saved state.
    QObject::connect(&m_history, &QUndoStack::cleanChanged, [this] { showChanged(); });
    QObject::connect(&m_history, &QUndoStack::indexChanged, [this] { showChanged(); });
    m_changed = false;
    m_blank = true;
}

void LabelDocument::setLabelDimensions(int16_t type, double height, double width)
{
    m_spec.LabelType = type;
    m_spec.LabelHeight = height;
    m_spec.LabelWidth = width;
}

QRectF LabelDocument::borderRect() const
{
    return QRectF(360, 360, m_surfaceW - 720, m_surfaceH - 720);
}

void LabelDocument::resizeLabel()
{
    const int w = units::inchesToTwips(m_spec.LabelWidth), h = units::inchesToTwips(m_spec.LabelHeight);
    // The guides are the align commands' reference, shown or not: a label of
    // another size gets them on its own centre.
    if (w != m_surfaceW || h != m_surfaceH) {
        m_vGuideX = w / 2.0;
        m_hGuideY = h / 2.0;
    }
    m_surfaceW = w;
    m_surfaceH = h;
    if (m_observer)
        m_observer->labelResized();
}

void LabelDocument::setBorderStyle(const QString& style)
{
    Step step(*this, "Border Style");
    valBorderStyle = style;
    m_border.shapeCode = Module1::styleNameToShapeCode(style);
    repaint();
}

void LabelDocument::setBackColor(ColorValue c)
{
    Step step(*this, "Background Color");
    m_backColor = c;
    repaint();
}

void LabelDocument::setChanged()
{
    m_blank = false;
    if (m_stepDepth > 0)
        m_editUnderWay = true; // until the step ends and records what changed
    else if (m_recording)
        m_history.resetClean();
    showChanged();
}

void LabelDocument::markContent(bool changed)
{
    if (changed) {
        m_history.resetClean();
    } else {
        m_editUnderWay = false;
        m_history.setClean();
    }
    showChanged();
}

void LabelDocument::showChanged()
{
    const bool changed = isChanged();
    if (changed == m_changedShown)
        return;
    m_changedShown = changed;
    if (m_observer)
        m_observer->changedShown(changed);
}

void LabelDocument::repaint()
{
    if (!m_observer)
        return;
    m_observer->documentRepaint();
    // The panels follow whatever changed: a selection cleared, a picture
    // reloaded at another size, a step undone.
    refreshStatus();
}

// ---------------------------------------------------------------- selection

void LabelDocument::selectText(int index)
{
    m_activeGraphic = 0;
    m_activeText = m_texts.count(index) ? index : 0;
    if (auto* t = activeText(); t && m_observer)
        m_observer->activeTextShown(*t);
    repaint();
}

void LabelDocument::selectGraphic(int index)
{
    m_activeText = 0;
    m_activeGraphic = m_graphics.count(index) ? index : 0;
    if (auto* g = activeGraphic()) {
        const double nw = g->natural.width();
        m_activeAspect = nw > 0 ? g->natural.height() / nw : 1.0;
    }
    repaint();
}

void LabelDocument::SelectNothing()
{
    m_activeText = 0;
    m_activeGraphic = 0;
    repaint();
}

TextItem* LabelDocument::activeText() { return textAt(m_activeText); }
GraphicItem* LabelDocument::activeGraphic() { return graphicAt(m_activeGraphic); }

TextItem* LabelDocument::textAt(int index)
{
    auto it = m_texts.find(index);
    return it == m_texts.end() ? nullptr : &it->second;
}

GraphicItem* LabelDocument::graphicAt(int index)
{
    auto it = m_graphics.find(index);
    return it == m_graphics.end() ? nullptr : &it->second;
}

// ---------------------------------------------------------------- stacking

void LabelDocument::removeFromZ(ItemRef r)
{
    m_zOrder.erase(std::remove(m_zOrder.begin(), m_zOrder.end(), r), m_zOrder.end());
}

void LabelDocument::restack(ItemRef r, bool front)
{
    if (r.kind == ItemRef::Border)
        return;
    removeFromZ(r);
    const ItemRef frame{ItemRef::Border, 0};
    auto f = std::find(m_zOrder.begin(), m_zOrder.end(), frame);
    if (f == m_zOrder.end())
        f = m_zOrder.insert(m_zOrder.end(), frame);
    if (r.kind == ItemRef::Graphic)
        m_zOrder.insert(front ? f : m_zOrder.begin(), r);
    else
        m_zOrder.insert(front ? m_zOrder.end() : f + 1, r);
}

// ---------------------------------------------------------------- texts

void LabelDocument::fitTextBox(TextItem& item)
{
    const QSizeF m = m_measurer.measure(item.text, item.font);
    item.width = m.width() + 60;
    item.height = m.height() + 60;
}

void LabelDocument::applyCurrentTextFormat(TextItem& item)
{
    const TextFormat f = currentTextFormat();
    item.font.name = f.fontName;
    double size = 0;
    if (Module1::textToDouble(f.fontSize, size) && size > 0)
        item.font.size = size;
    item.font.italic = f.italic;
    item.font.bold = f.bold;
    item.font.underline = f.underline;
    item.foreColor = m_app.textColor;
    item.alignment = f.alignment;
    item.rotation = m_app.dialogRotation;

    if (m_app.dialogAutofit) {
        const FontSpec font = item.font;
        const QString wrapped = textlayout::autofitWrap(item.text, m_spec.LabelWidth, [&](const QString& s) {
            return m_measurer.measure(s, font).width();
        });
        // Each line break the wrap adds is one character more: a text it would
        // take past what a label file keeps stays as it was given.
        if (CKM_Header::storedLength(wrapped) <= CKM_Header::MaxTextLength)
            item.text = wrapped;
    }
    fitTextBox(item);
    item.visible = true;
}

namespace {
// A label file could keep only part of it: refused, and told.
bool refuseTooLong(Platform& platform, const QString& text)
{
    const qsizetype n = CKM_Header::storedLength(text);
    if (n <= CKM_Header::MaxTextLength)
        return false;
    platform.message(CKM_Header::textTooLongMessage(n), MsgIcon::Exclamation);
    return true;
}
} // namespace

bool LabelDocument::createNewText(const QString& newText, int16_t newRotation)
{
    Step step(*this, "New Text");
    if (refuseTooLong(m_platform, newText))
        return false;
    if (m_textCounter >= MaxItemIndex) {
        m_platform.message("This label cannot hold more text items. Save it and start a new label.",
                           MsgIcon::Exclamation);
        return false;
    }
    const int n = ++m_textCounter;
    TextItem item;
    item.text = newText;
    m_app.dialogRotation = newRotation;
    item.rotation = newRotation;
    applyCurrentTextFormat(item);
    item.top = (m_surfaceH - item.height) / 2;
    item.left = (m_surfaceW - item.width) / 2;
    item.visible = true;
    m_texts[n] = item;
    restack({ItemRef::Text, n}, true);
    selectText(n);
    setChanged();
    refreshStatus();
    return true;
}

void LabelDocument::showActiveText()
{
    Step step(*this, "Format");
    TextItem* t = activeText();
    if (!t || t->text.isEmpty())
        return;
    applyCurrentTextFormat(*t);
    repaint();
}

ColorValue LabelDocument::getTextColor() const
{
    auto it = m_texts.find(m_activeText);
    return it == m_texts.end() ? 0 : it->second.foreColor;
}

void LabelDocument::setTextColor(ColorValue c)
{
    Step step(*this, "Text Color");
    if (TextItem* t = activeText()) {
        t->foreColor = c;
        repaint();
    }
}

QString LabelDocument::getTextFontSize() const
{
    auto it = m_texts.find(m_activeText);
    if (it == m_texts.end())
        return QString();
    const double s = std::floor(it->second.font.size * 2) / 2;
    return QLocale().toString(s, 'g', 6);
}

void LabelDocument::setTextFontSize(const QString& fontSize)
{
    Step step(*this, "Font Size");
    TextItem* t = activeText();
    if (!t)
        return;
    double v = 0;
    if (!Module1::textToDouble(fontSize, v) || v <= 0)
        return; // a size that is not a number leaves the item as it is
    if (v >= 8) {
        t->font.size = v;
    } else {
        // Small sizes: some systems swap the face for one that has the size;
        // putting the face back after setting the size keeps the user's font.
        const QString face = t->font.name;
        t->font.size = v;
        t->font.name = face;
        t->font.size = v;
    }
    fitTextBox(*t);
    repaint();
}

QString LabelDocument::getTextFontName() const
{
    auto it = m_texts.find(m_activeText);
    return it == m_texts.end() ? QString() : it->second.font.name;
}

void LabelDocument::setTextFontName(const QString& name)
{
    Step step(*this, "Font");
    TextItem* t = activeText();
    if (!t || name.isEmpty())
        return;
    if (t->font.size >= 8) {
        t->font.name = name;
    } else {
        const double size = t->font.size;
        t->font.size = size;
        t->font.name = name;
        t->font.size = size;
    }
    fitTextBox(*t);
    repaint();
}

int16_t LabelDocument::getTextWidth() const
{
    auto it = m_texts.find(m_activeText);
    return it == m_texts.end() ? 0 : CInt(it->second.width);
}

int16_t LabelDocument::getTextHeight() const
{
    auto it = m_texts.find(m_activeText);
    return it == m_texts.end() ? 0 : CInt(it->second.height);
}

QString LabelDocument::getTextText() const
{
    auto it = m_texts.find(m_activeText);
    return it == m_texts.end() ? QString() : it->second.text;
}

void LabelDocument::setTextText(const QString& s)
{
    Step step(*this, "Edit Text");
    if (TextItem* t = activeText()) {
        if (refuseTooLong(m_platform, s))
            return;
        t->text = s;
        applyCurrentTextFormat(*t);
        repaint();
    }
}

void LabelDocument::setTextAlignment(int16_t a)
{
    Step step(*this, "Alignment");
    if (TextItem* t = activeText()) {
        t->alignment = a;
        repaint();
    }
}

void LabelDocument::setTextPosition(double left, double top)
{
    Step step(*this, "Move");
    if (TextItem* t = activeText()) {
        t->left = left;
        t->top = top;
        repaint();
    }
}

// ---------------------------------------------------------------- pictures

bool LabelDocument::createNewGraphic(const QString& fileName)
{
    Step step(*this, "New Picture");
    QString path = fileName;
    PictureData pic;
    if (fileName.startsWith('?')) {
        if (fileName.startsWith("?1") || fileName.startsWith("?2")) {
            pic.image = m_platform.clipboardImage();
            pic.naturalTwips = rasterNaturalTwips(pic.image);
            if (pic.image.isNull())
                pic.error = "The clipboard holds no picture";
            path = fileName.mid(2);
        } else {
            m_platform.message("Internal Paste error", MsgIcon::None, "Error");
            return false;
        }
    } else {
        pic = m_platform.loadPicture(fileName);
    }
    if (!pic.ok()) {
        m_platform.message("Unable to load the picture \"" + fileName + "\": " +
                               (pic.error.isEmpty() ? QStringLiteral("unknown format") : pic.error),
                           MsgIcon::Exclamation);
        return false;
    }
    return addGraphic(pic, path);
}

bool LabelDocument::addGraphic(const PictureData& pic, const QString& path)
{
    if (m_graphicCounter >= MaxItemIndex) {
        m_platform.message("This label cannot hold more pictures. Save it and start a new label.",
                           MsgIcon::Exclamation);
        return false;
    }
    const int n = ++m_graphicCounter;
    m_lastGraphic = n;

    GraphicItem g;
    g.picture = pic.image;
    g.natural = pic.naturalTwips;
    g.refTag = "0" + path;
    g.tag = "0" + path;

    const double pw = g.natural.width(), ph = g.natural.height();
    const QRectF frame = borderRect();
    const double bw = frame.width(), bh = frame.height();
    double f = 1;
    if (ph > bh) {
        f = 0.9 * bh / ph;
        if (float(pw * f) > bw)
            f = 0.9 * bw / pw;
    } else if (pw > bw) {
        f = 0.9 * bw / pw;
    }
    g.width = pw * f;
    g.height = ph * f;
    g.left = (m_surfaceW - pw * f) / 2;
    g.top = (m_surfaceH - ph * f) / 2;
    g.rank = int16_t(m_graphics.size());
    g.visible = true;
    m_graphics[n] = g;
    restack({ItemRef::Graphic, n}, true);
    selectGraphic(n);
    setChanged();
    refreshStatus();
    return true;
}

QString LabelDocument::getActiveGraphicSpecs() const
{
    auto it = m_graphics.find(m_activeGraphic);
    return it == m_graphics.end() ? QString() : it->second.path();
}

void LabelDocument::refreshGraphic(const QString& fileName)
{
    if (fileName.isEmpty())
        return; // never touch pictures that have no file
    for (auto& [index, g] : m_graphics) {
        if (g.refPath() != fileName)
            continue;
        const PictureData pic = m_platform.loadPicture(fileName);
        if (!pic.ok())
            continue;
        g.picture = pic.image;
        g.natural = pic.naturalTwips;
        // The file is what the label shows: undoing a step never brings back the old picture.
        rewriteHistory([&](Snapshot& s) {
            for (auto& [i, other] : s.graphics)
                if (other.refPath() == fileName) {
                    other.picture = pic.image;
                    other.natural = pic.naturalTwips;
                }
        });
    }
    if (auto* g = activeGraphic(); g && g->natural.width() > 0)
        m_activeAspect = g->natural.height() / g->natural.width();
    repaint();
}

void LabelDocument::adjustToAspectRatio()
{
    Step step(*this, "Maintain Aspect Ratio");
    GraphicItem* g = activeGraphic();
    if (!g || m_activeAspect <= 0)
        return;
    g->width = g->height / m_activeAspect;
    refreshStatus();
    repaint();
}

void LabelDocument::setGraphicAspectFlag(bool flag)
{
    if (GraphicItem* g = activeGraphic())
        g->tag = QString(flag ? "1" : "0") + g->tag.mid(1);
}

int LabelDocument::findGraphicByRank(int rank) const
{
    for (const auto& [index, g] : m_graphics)
        if (!g.tag.isEmpty() && g.rank == rank)
            return index;
    return 0;
}

void LabelDocument::refreshStatus()
{
    if (!m_observer)
        return;
    if (const auto it = m_graphics.find(m_activeGraphic); it != m_graphics.end()) {
        const GraphicItem& g = it->second;
        const auto pct = [](double a, double b) { return b > 0 ? QString::number(qint64(std::trunc(a * 100 / b))) : QString("0"); };
        m_observer->statusPanels(g.path(), "X%=" + pct(g.width, g.natural.width()),
                                 "Y%=" + pct(g.height, g.natural.height()));
    } else {
        m_observer->statusPanels(QString(), QString(), QString());
    }
}

// ---------------------------------------------------------------- whole content

TextFormat LabelDocument::currentTextFormat() const
{
    TextFormat f;
    f.fontName = m_app.fontName;
    f.fontSize = m_app.fontSize;
    f.bold = m_app.bold;
    f.italic = m_app.italic;
    f.underline = m_app.underline;
    f.alignment = m_app.textAlignment;
    return f;
}

LabelDocument::Snapshot LabelDocument::snapshot() const
{
    Snapshot s;
    s.label = m_spec;
    s.border = m_border;
    s.borderStyle = valBorderStyle;
    s.backColor = m_backColor;
    s.texts = m_texts;
    s.graphics = m_graphics;
    s.zOrder = m_zOrder;
    s.textCounter = m_textCounter;
    s.graphicCounter = m_graphicCounter;
    s.lastGraphic = m_lastGraphic;
    s.maintainAspect = valMaintainAspectRatioFlag;
    return s;
}

void LabelDocument::restore(const Snapshot& s)
{
    SelectNothing();
    m_spec = s.label;
    // The surface follows the size, also where a size was stored but not yet applied.
    const bool resized = units::inchesToTwips(m_spec.LabelWidth) != m_surfaceW ||
                         units::inchesToTwips(m_spec.LabelHeight) != m_surfaceH;
    m_border = s.border;
    valBorderStyle = s.borderStyle;
    m_backColor = s.backColor;
    m_texts = s.texts;
    m_graphics = s.graphics;
    m_zOrder = s.zOrder;
    m_textCounter = s.textCounter;
    m_graphicCounter = s.graphicCounter;
    m_lastGraphic = s.lastGraphic;
    valMaintainAspectRatioFlag = s.maintainAspect;
    if (m_observer) {
        m_observer->borderStyleShown(valBorderStyle);
        m_observer->labelTypeShown(m_spec.LabelType);
    }
    if (resized)
        resizeLabel();
    repaint();
}
