// Cut, copy and paste through the system clipboard. A text travels as plain
// text; a picture as a one-line descriptor (size and file) together with the
// picture itself, so pasting it back restores the copy's size.
#include "LabelDocument.h"
#include "ClipboardDescriptor.h"
#include "LabelPainter.h"
#include "QrCode.h"
#include <QPainter>
#include "platform/Platform.h"

bool LabelDocument::copySelectedToClipboard(bool cutFlag)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Cut"));
    bool result = true;
    if (const auto* t = m_content.get<TextItem>(activeTextIndex()))
        m_platform.setClipboard(t->text);
    else if (const auto* g = m_content.get<GraphicItem>(activeGraphicIndex()))
        m_platform.setClipboard(clipdesc::encode(g->width, g->height, g->path()), g->picture);
    else if (const QrItem* q = activeQr())
        // The descriptor names the code, and other programs get its picture.
        m_platform.setClipboard(clipdesc::encode(q->size, q->size, qrcode::storedName(*q)), qrPicture(*q));
    else
        result = false;
    if (cutFlag)
        deleteSelectedObject(false);
    return result;
}

bool LabelDocument::pasteFromClipboard()
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Paste"));
    if (m_platform.clipboardHasText()) {
        const QString s = m_platform.clipboardText();
        if (const auto d = clipdesc::decode(s)) {
            if (const auto q = qrcode::fromStoredName(d->path)) {
                if (createNewQr(q->data, q->level, q->color) && d->width)
                    resizeSelected(int16_t(*d->width), int16_t(*d->width));
                return true;
            }
            // The descriptor without its picture pastes nothing.
            if (!m_platform.clipboardHasImage())
                return true;
            if (createNewGraphic("?1" + d->path) && d->width && d->height)
                resizeSelected(int16_t(*d->width), int16_t(*d->height));
        } else {
            createNewText(s, 0);
        }
        return true;
    }
    if (m_platform.clipboardHasImage()) {
        createNewGraphic("?1");
        return true;
    }
    return false;
}

QImage LabelDocument::qrPicture(const QrItem& q) const
{
    // The code alone on white, at 3 twips a pixel (480 pixels an inch).
    LabelContent alone;
    alone.backColor = 0xFFFFFF;
    alone.frame.visible = false;
    QrItem placed = q;
    placed.left = placed.top = 0;
    alone.label.LabelWidth = alone.label.LabelHeight = q.size / 1440.0;
    alone.items.push_back(std::make_shared<const LabelItem>(placed));
    const int side = std::max(1, int(q.size / 3));
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(side / q.size, side / q.size);
    labelpaint::paint(p, alone, {});
    return image;
}
