// Cut, copy and paste through the system clipboard. A text travels as plain
// text; a picture as a one-line descriptor (size and file) together with the
// picture itself, so pasting it back restores the copy's size.
#include "LabelDocument.h"
#include "ClipboardDescriptor.h"
#include "platform/Platform.h"

bool LabelDocument::copySelectedToClipboard(bool cutFlag)
{
    Step step(*this, "Cut");
    bool result = true;
    if (const auto* t = m_content.get<TextItem>(activeTextIndex()))
        m_platform.setClipboard(t->text);
    else if (const auto* g = m_content.get<GraphicItem>(activeGraphicIndex()))
        m_platform.setClipboard(clipdesc::encode(g->width, g->height, g->path()), g->picture);
    else
        result = false;
    if (cutFlag)
        deleteSelectedObject(false);
    return result;
}

bool LabelDocument::pasteFromClipboard()
{
    Step step(*this, "Paste");
    if (m_platform.clipboardHasText()) {
        const QString s = m_platform.clipboardText();
        if (const auto d = clipdesc::decode(s)) {
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
