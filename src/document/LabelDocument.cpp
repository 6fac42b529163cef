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
    LabelSpec& label = m_content.label;
    label.LabelType = app.labelType;
    label.LabelHeight = app.labelHeight;
    label.LabelWidth = app.labelWidth;
    label.TopMargin = app.topMargin;
    label.LeftMargin = app.leftMargin;
    label.RowSpace = app.rowSpace;
    label.ColumnSpace = app.columnSpace;
    label.Cutmarks = app.cutmarks;

    BorderSpec& frame = m_content.frame;
    frame.visible = app.borderVisible;
    frame.color = app.borderColor;
    frame.width = app.borderWidth;
    m_content.frameStyle = app.borderStyle;
    frame.shapeCode = Module1::styleNameToShapeCode(m_content.frameStyle);

    m_surfaceW = units::inchesToTwips(label.LabelWidth);
    m_surfaceH = units::inchesToTwips(label.LabelHeight);
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
    m_content.label.LabelType = type;
    m_content.label.LabelHeight = height;
    m_content.label.LabelWidth = width;
}

QRectF LabelDocument::borderRect() const
{
    return QRectF(360, 360, m_surfaceW - 720, m_surfaceH - 720);
}

void LabelDocument::resizeLabel()
{
    const int w = units::inchesToTwips(m_content.label.LabelWidth), h = units::inchesToTwips(m_content.label.LabelHeight);
    // The guides are the align commands' reference, shown or not: a label of
    // another size gets them on its own centre.
    if (w != m_surfaceW || h != m_surfaceH) {
        m_vGuideX = w / 2.0;
        m_hGuideY = h / 2.0;
    }
    m_surfaceW = w;
    m_surfaceH = h;
    notify([&](DocumentObserver& o) { o.labelResized(); });
}

void LabelDocument::setBorderStyle(const QString& style)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Border Style"));
    m_content.frameStyle = style;
    m_content.frame.shapeCode = Module1::styleNameToShapeCode(style);
    repaint();
}

void LabelDocument::setBorderVisible(bool visible)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Border Visible"));
    m_content.frame.visible = visible;
    repaint();
}

void LabelDocument::setBorderColor(ColorValue c)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Border Color"));
    m_content.frame.color = c;
    repaint();
}

void LabelDocument::setBorderWidth(int16_t width)
{
    // Typing a width digit by digit is one step.
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Border Width"), "border width");
    m_content.frame.width = width;
    repaint();
}

void LabelDocument::setBackColor(ColorValue c)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Background Color"));
    m_content.backColor = c;
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
    notify([&](DocumentObserver& o) { o.changedShown(changed); });
}

void LabelDocument::repaintAll()
{
    notify([](DocumentObserver& o) { o.areaChanged(QRectF()); });
    repaint();
}

void LabelDocument::repaint()
{
    if (m_observers.empty())
        return;
    // Only what changed: on a label of a thousand items a repaint of all of
    // them takes tens of milliseconds, one of a box well under one.
    std::vector<QRectF> areas = changedAreas(m_shown, m_content);
    const bool newSelection = m_active != m_shownActive;
    if (newSelection) {
        // The selection line and handles go with the box they were drawn around.
        if (const LabelItem* was = m_shown.item(m_shownActive))
            areas.push_back(drawnBounds(*was).normalized());
        if (const LabelItem* is = m_content.item(m_active))
            areas.push_back(drawnBounds(*is).normalized());
    }
    // Kept (sharing the items) until the next notice: an item edited since
    // then is copied first, so it is told apart by its pointer.
    m_shown = m_content;
    for (const QRectF& r : areas)
        if (!r.isEmpty())
            notify([&](DocumentObserver& o) { o.areaChanged(r); });
    if (newSelection) {
        m_shownActive = m_active;
        notify([](DocumentObserver& o) { o.selectionChanged(); });
    }
    notify([](DocumentObserver& o) { o.contentShown(); });
    // The panels follow whatever changed: a selection cleared, a picture
    // reloaded at another size, a step undone.
    refreshStatus();
}

// ---------------------------------------------------------------- selection

void LabelDocument::select(ItemId id)
{
    const LabelItem* item = m_content.item(id);
    m_active = item ? id : ItemId{};
    if (const auto* t = item ? std::get_if<TextItem>(item) : nullptr)
        notify([&](DocumentObserver& o) { o.activeTextShown(*t); });
    if (const auto* g = item ? std::get_if<GraphicItem>(item) : nullptr) {
        const double nw = g->natural.width();
        m_activeAspect = nw > 0 ? g->natural.height() / nw : 1.0;
    }
    if (item && alwaysSquare(*item))
        m_activeAspect = 1.0;
    repaint();
}

void LabelDocument::SelectNothing()
{
    m_active = {};
    repaint();
}

TextItem* LabelDocument::activeText() { return textAt(activeTextIndex()); }
GraphicItem* LabelDocument::activeGraphic() { return graphicAt(activeGraphicIndex()); }

void LabelDocument::restack(const QString& name, bool front)
{
    Step step(*this, name);
    m_content.restack(m_active, front);
    repaint();
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

void LabelDocument::restore(const LabelContent& s)
{
    SelectNothing();
    // The surface follows the size, also where a size was stored but not yet applied.
    const bool resized = units::inchesToTwips(s.label.LabelWidth) != m_surfaceW ||
                         units::inchesToTwips(s.label.LabelHeight) != m_surfaceH;
    m_content = s;
    notify([&](DocumentObserver& o) {
        o.borderStyleShown(m_content.frameStyle);
        o.labelTypeShown(m_content.label.LabelType);
    });
    if (resized)
        resizeLabel();
    notify([](DocumentObserver& o) { o.restored(); });
    repaint();
}
