// The text commands: a new text, its formatting, its words and its place.
#include <QLocale>
#include <cmath>

#include "CkmFormat.h"
#include "LabelDocument.h"
#include "TextMeasure.h"
#include "app/Units.h"
#include "platform/Platform.h"

using units::CInt;

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
    // The rotation is the item's own, never part of the current format: a
    // style button pressed on a turned text leaves it turned.

    if (m_app.dialogAutofit) {
        const FontSpec font = item.font;
        const QString wrapped = textlayout::autofitWrap(item.text, m_content.label.LabelWidth, [&](const QString& s) {
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
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "New Text"));
    if (refuseTooLong(m_platform, newText))
        return false;
    if (m_content.textCounter >= MaxItemIndex) {
        m_platform.message(LabelDocument::tr("This label cannot hold more text items. Save it and start a new label."),
                           MsgIcon::Exclamation);
        return false;
    }
    const int n = ++m_content.textCounter;
    TextItem item;
    item.index = n;
    item.text = newText;
    m_app.dialogRotation = newRotation;
    item.rotation = newRotation;
    applyCurrentTextFormat(item);
    item.top = (m_surfaceH - item.height) / 2;
    item.left = (m_surfaceW - item.width) / 2;
    item.visible = true;
    m_content.add(item);
    selectText(n);
    setChanged();
    refreshStatus();
    return true;
}

void LabelDocument::showActiveText()
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Format"));
    TextItem* t = activeText();
    if (!t || t->text.isEmpty())
        return;
    applyCurrentTextFormat(*t);
    repaint();
}

ColorValue LabelDocument::getTextColor() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    return t ? t->foreColor : 0;
}

void LabelDocument::setTextColor(ColorValue c)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Text Color"));
    if (TextItem* t = activeText()) {
        t->foreColor = c;
        repaint();
    }
}

QString LabelDocument::getTextFontSize() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    if (!t)
        return QString();
    const double s = std::floor(t->font.size * 2) / 2;
    return QLocale().toString(s, 'g', 6);
}

void LabelDocument::setTextFontSize(const QString& fontSize)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Font Size"));
    TextItem* t = activeText();
    if (!t)
        return;
    double v = 0;
    if (!Module1::textToDouble(fontSize, v) || v <= 0)
        return; // a size that is not a number leaves the item as it is
    // The face is kept whatever the size: the item holds both as they were chosen.
    t->font.size = v;
    fitTextBox(*t);
    repaint();
}

QString LabelDocument::getTextFontName() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    return t ? t->font.name : QString();
}

void LabelDocument::setTextFontName(const QString& name)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Font"));
    TextItem* t = activeText();
    if (!t || name.isEmpty())
        return;
    t->font.name = name;
    fitTextBox(*t);
    repaint();
}

int16_t LabelDocument::getTextWidth() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    return t ? CInt(t->width) : 0;
}

int16_t LabelDocument::getTextHeight() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    return t ? CInt(t->height) : 0;
}

QString LabelDocument::getTextText() const
{
    const TextItem* t = m_content.get<TextItem>(activeTextIndex());
    return t ? t->text : QString();
}

void LabelDocument::setTextText(const QString& s)
{
    if (const TextItem* t = m_content.get<TextItem>(activeTextIndex()))
        setTextText(s, t->rotation);
}

void LabelDocument::setTextText(const QString& s, int16_t rotation)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Edit Text"));
    if (TextItem* t = activeText()) {
        if (refuseTooLong(m_platform, s))
            return;
        t->text = s;
        t->rotation = rotation;
        applyCurrentTextFormat(*t);
        repaint();
    }
}

void LabelDocument::setTextAlignment(int16_t a)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Alignment"));
    if (TextItem* t = activeText()) {
        t->alignment = a;
        repaint();
    }
}

void LabelDocument::setTextPosition(double left, double top)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Move"));
    if (TextItem* t = activeText()) {
        t->left = left;
        t->top = top;
        repaint();
    }
}

