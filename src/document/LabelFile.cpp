// Saving and loading a document as a label file.
#include <QFile>
#include <QFileInfo>

#include "CkmFormat.h"
#include "LabelDocument.h"
#include "TextMeasure.h"
#include "app/Units.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

using namespace CKM_Header;
using units::CInt;

bool LabelDocument::SaveLabelToFile(const QString& fileName, QString* error)
{
    auto failWith = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };

    SelectNothing();

    // Pictures pasted from the clipboard get a bitmap file in the graphics folder
    // first. Each one is only kept, and only named by its item, when the label
    // that refers to it has been written too.
    struct Pasted {
        GraphicItem* item;
        QString tag;  // as it was
        QString path; // bitmap written for it
    };
    std::vector<Pasted> pasted;
    auto undoPasted = [&] {
        for (const Pasted& p : pasted) {
            p.item->tag = p.tag;
            if (!p.path.isEmpty())
                QFile::remove(p.path);
        }
    };
    const QString base = Module1::pathFileName(fileName).chopped(std::min<qsizetype>(4, Module1::pathFileName(fileName).size()));
    for (int r = 0; r < int(m_graphics.size()); ++r) {
        GraphicItem* g = graphicAt(findGraphicByRank(r));
        if (!g || g->tag.size() != 1)
            continue;
        QString path;
        for (int k = 0; k <= 9999; ++k) {
            const QString candidate =
                m_app.graphicsFolder + "/" + base + QString(" %1").arg(k, 4, 10, QChar('0')) + ".bmp";
            if (!Module1::fileExists(candidate)) {
                path = candidate;
                break;
            }
        }
        QString why = "no free bitmap name is left";
        if (path.isEmpty() || !m_platform.saveBitmap(g->picture, path, &why)) {
            undoPasted();
            return failWith("the pasted picture could not be written to the graphics folder \"" +
                            m_app.graphicsFolder + "\": " + why);
        }
        pasted.push_back({g, g->tag, path});
        g->tag += path;
    }

    HeaderRecord h;
    h.labelWidth = CInt(m_surfaceW);
    h.labelHeight = CInt(m_surfaceH);
    h.labelType = m_spec.LabelType;
    h.borderVisible = fromBool(m_border.visible);
    h.borderWidth = m_border.width;
    h.borderShape = Module1::styleNameToShapeCode(valBorderStyle);
    h.borderColor = int32_t(m_border.color);
    h.borderFillColor = int32_t(m_border.fillColor);
    h.borderFillStyle = m_border.fillStyle;
    h.topMargin = float(m_spec.TopMargin);
    h.leftMargin = float(m_spec.LeftMargin);
    h.backColor = int32_t(m_backColor);
    h.rowSpace = float(m_spec.RowSpace);
    h.columnSpace = float(m_spec.ColumnSpace);
    h.graphicCount = int16_t(m_graphics.size());
    int textCount = 0;
    for (const auto& [i, t] : m_texts)
        if (!t.text.isEmpty())
            ++textCount;
    h.textCount = int16_t(textCount);

    QByteArray out = encode(h);
    const QString labelFolder = Module1::pathFolder(fileName);
    for (int r = 0; r < int(m_graphics.size()); ++r) {
        const GraphicItem* g = graphicAt(findGraphicByRank(r));
        if (!g) {
            undoPasted();
            return failWith("the picture stacking order is damaged");
        }
        GraphicRecord gr;
        gr.path = toCodePage(Module1::relativePicturePath(g->path(), labelFolder, m_app.graphicsFolder));
        gr.documentAspect = fromBool(valMaintainAspectRatioFlag);
        gr.left = CInt(g->left);
        gr.top = CInt(g->top);
        gr.width = CInt(g->width);
        gr.height = CInt(g->height);
        gr.itemAspect = fromBool(g->tag.startsWith('1'));
        out += encode(gr);
    }
    // Texts in their stacking order, so reopening stacks them the same way.
    for (const ItemRef& r : m_zOrder) {
        if (r.kind != ItemRef::Text)
            continue;
        const TextItem& t = m_texts.at(r.index);
        if (t.text.isEmpty())
            continue;
        const QByteArray text = toCodePage(t.text).left(32767);
        TextRecord tr;
        tr.textLength = int16_t(text.size());
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
        tr.rotation = 0;
        out += encode(tr);
        out += text;
    }

    // Written beside the target and renamed over it only when complete, so a
    // full disk or a crash never destroys the previous label.
    QString why;
    if (!safefile::write(fileName, out, &why)) {
        undoPasted();
        return failWith(why);
    }

    // The steps that hold a pasted picture now name its file too, so undoing one
    // never writes the picture a second time.
    for (const Pasted& p : pasted) {
        int index = 0;
        for (const auto& [i, g] : m_graphics)
            if (&g == p.item)
                index = i;
        const qint64 key = p.item->picture.cacheKey();
        rewriteHistory([&](Snapshot& s) {
            const auto it = s.graphics.find(index);
            if (it != s.graphics.end() && it->second.tag.size() == 1 && it->second.picture.cacheKey() == key)
                it->second.tag += p.path;
        });
    }

    saveFileName = fileName;
    saveTitle = Module1::pathFileName(fileName);
    if (m_observer)
        m_observer->captionChanged(saveTitle);
    m_changed = false;
    m_blank = false;
    return true;
}

QStringList LabelDocument::textCharactersNotKept() const
{
    QString all;
    for (const auto& [i, t] : m_texts)
        all += t.text;
    return charactersNotKept(all);
}

void LabelDocument::LoadFile(const QString& fileName)
{
    if (!Module1::fileExists(fileName)) {
        m_platform.message("Template file: " + fileName + " Does NOT exist", MsgIcon::Information, "Warning");
        return;
    }
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        m_platform.message("Bad or Invalid Filname (File Doesn't Exist): " + fileName + "\n" + f.errorString(),
                           MsgIcon::Exclamation);
        return;
    }
    const ParsedLabel parsed = parse(f, m_app.templateLoading);
    f.close();

    // Reading the file is no step, and what came before it cannot come back.
    m_recording = false;
    struct HistoryReset {
        LabelDocument& doc;
        ~HistoryReset()
        {
            doc.m_recording = true;
            doc.clearHistory();
        }
    } historyReset{*this};

    if (parsed.failure == ParsedLabel::BadHeader) {
        if (!m_app.templateLoading)
            m_platform.message("Bad Header Record in File");
        m_changed = false;
        m_blank = false;
        return;
    }

    // Header.
    const HeaderRecord& h = parsed.header;
    m_spec.LabelType = h.labelType;
    if (m_observer)
        m_observer->labelTypeShown(h.labelType);
    m_spec.LabelHeight = h.labelHeight / 1440.0;
    m_spec.LabelWidth = h.labelWidth / 1440.0;
    resizeLabel();
    m_border.visible = h.borderVisible != 0;
    m_border.width = h.borderWidth;
    m_border.color = ColorValue(h.borderColor);
    const int pos = Module1::shapeCodeToListPosition(h.borderShape);
    valBorderStyle = Module1::listPositionToStyleName(pos);
    m_border.shapeCode = Module1::styleNameToShapeCode(valBorderStyle);
    if (m_observer)
        m_observer->borderStyleShown(valBorderStyle);
    m_spec.TopMargin = h.topMargin;
    m_spec.LeftMargin = h.leftMargin;
    m_spec.RowSpace = h.rowSpace;
    m_spec.ColumnSpace = h.columnSpace;
    m_spec.Cutmarks = m_app.cutmarks;
    m_backColor = ColorValue(h.backColor);

    if (m_app.templateLoading) {
        repaint();
        return;
    }

    // Pictures. The label's own folder, also for a bare file name (the current folder).
    const QString labelFolder = QFileInfo(fileName).absolutePath() + "/";
    int loaded = 0;
    for (const GraphicRecord& gr : parsed.graphics) {
        const QString p = fromCodePage(gr.path).trimmed();
        if (p.isEmpty())
            continue;
        QString native = Module1::nativeSeparators(p);
        // A relative path (".\x.bmp", "..\Graphics\x.bmp") means relative to the
        // label file, not to wherever the program was started.
        if (QFileInfo(native).isRelative())
            native = labelFolder + native;
        QString found;
        // A name with a NUL in it names no file (and the system is not asked).
        if (native.contains(QChar(0)))
            ;
        else if (Module1::fileExists(native))
            found = QFileInfo(native).absoluteFilePath();
        else if (Module1::fileExists(labelFolder + Module1::pathFileName(native)))
            found = labelFolder + Module1::pathFileName(native);
        else if (Module1::fileExists(m_app.graphicsFolder + "/" + Module1::pathFileName(native)))
            found = m_app.graphicsFolder + "/" + Module1::pathFileName(native);
        if (found.isEmpty()) {
            m_platform.message("Unable to Load Graphic: " + p);
            continue;
        }
        const PictureData pic = m_platform.loadPicture(found);
        if (!pic.ok()) {
            m_platform.message("Unable to Load Graphic: " + p);
            continue;
        }
        if (!addGraphic(pic, found))
            continue;
        GraphicItem* g = activeGraphic();
        g->tag = QString(gr.itemAspect != 0 ? "1" : "0") + g->tag.mid(1);
        g->left = gr.left;
        g->top = gr.top;
        g->width = gr.width;
        g->height = gr.height;
        g->rank = int16_t(loaded);
        g->visible = true;
        ++loaded;
    }
    if (parsed.failure == ParsedLabel::BadGraphic) {
        m_platform.message("Bad Graphic Record in File");
        m_changed = false;
        m_blank = false;
        repaint();
        return;
    }

    // Texts: the autofit choice of the last dialog must not re-wrap stored texts.
    m_app.dialogRotation = 0;
    const bool autofit = m_app.dialogAutofit;
    m_app.dialogAutofit = false;
    for (const ParsedLabel::Text& pt : parsed.texts) {
        const QString text = fromCodePage(pt.text);
        if (text.isEmpty())
            continue;
        const TextRecord& tr = pt.record;
        if (!createNewText(text, tr.rotation))
            break;
        TextItem* t = activeText();
        t->left = tr.left > m_surfaceW ? m_surfaceW / 2.0 : tr.left;
        t->top = tr.top > m_surfaceH ? m_surfaceH / 2.0 : tr.top;
        t->foreColor = ColorValue(tr.foreColor);
        t->backColor = ColorValue(tr.backColor);
        t->backStyle = tr.backStyle;
        t->alignment = tr.alignment;
        const QString face = fromCodePage(tr.fontName).trimmed();
        if (!face.isEmpty())
            t->font.name = Module1::fontFamilyName(face);
        t->font.size = tr.fontSize >= 1 ? tr.fontSize : 1;
        t->font.bold = tr.bold != 0;
        t->font.italic = tr.italic != 0;
        t->font.underline = tr.underline != 0;
        fitTextBox(*t);
        t->visible = true;
    }
    m_app.dialogAutofit = autofit;
    if (parsed.failure == ParsedLabel::BadText) {
        m_platform.message("Bad Text Record in File");
        m_changed = false;
        m_blank = false;
        SelectNothing();
        return;
    }

    if (m_observer)
        m_observer->captionChanged(saveTitle);
    SelectNothing();
    m_changed = false;
    m_blank = false;
    repaint();
}
