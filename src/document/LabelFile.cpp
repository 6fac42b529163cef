// Saving and loading a document as a label file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "CkmFormat.h"
#include "LabelDocument.h"
#include "TextMeasure.h"
#include "app/Units.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

using namespace CKM_Header;
using units::CInt;

namespace {

// Where loading looks for a picture stored as `p` (trimmed): the path itself,
// a relative one taken from the label's folder; then its file name in the
// label's folder; then its file name in the graphics folder. Empty when none
// of them is a file.
QString findPicture(const QString& p, const QString& labelFolder, const QString& graphicsFolder)
{
    QString native = Module1::nativeSeparators(p);
    // A relative path (".\x.bmp", "..\Graphics\x.bmp") means relative to the
    // label file, not to wherever the program was started.
    if (QFileInfo(native).isRelative())
        native = labelFolder + native;
    // A name with a NUL in it names no file (and the system is not asked).
    if (native.contains(QChar(0)))
        return {};
    if (Module1::fileExists(native))
        return QFileInfo(native).absoluteFilePath();
    if (Module1::fileExists(labelFolder + Module1::pathFileName(native)))
        return labelFolder + Module1::pathFileName(native);
    if (Module1::fileExists(graphicsFolder + "/" + Module1::pathFileName(native)))
        return graphicsFolder + "/" + Module1::pathFileName(native);
    return {};
}

// The label's folder as loading takes it, also for a bare file name (the current folder).
QString labelFolderOf(const QString& fileName) { return QFileInfo(fileName).absolutePath() + "/"; }

// Whether `stored`, written into the path field and read back as loading reads
// it (code page, field width, trimmed), finds the file `picture` again.
bool findsAgain(const QString& stored, const QString& picture, const QString& labelFolder,
                const QString& graphicsFolder)
{
    const QByteArray raw = toCodePage(stored);
    if (stored.isEmpty() || raw.size() > PathWidth)
        return false;
    const QString found = findPicture(fromCodePage(fixedField(raw, PathWidth)).trimmed(), labelFolder, graphicsFolder);
    const QString canonical = QFileInfo(picture).canonicalFilePath();
    return !found.isEmpty() && !canonical.isEmpty() && QFileInfo(found).canonicalFilePath() == canonical;
}

// The path a picture file is stored under, so that loading finds it again:
// the usual form (".\" in the label's folder, "..\Graphics\" in the graphics
// folder, else the path itself) when that does, so labels keep their bytes;
// else the shortest form that does. Empty when none fits the field.
QString storedPicturePath(const QString& picture, const QString& fileName, const QString& graphicsFolder)
{
    const QString folder = labelFolderOf(fileName);
    const QString usual = Module1::relativePicturePath(picture, Module1::pathFolder(fileName), graphicsFolder);
    if (findsAgain(usual, picture, folder, graphicsFolder))
        return usual;
    QStringList forms;
    for (const QString& path : {QFileInfo(picture).absoluteFilePath(), QFileInfo(picture).canonicalFilePath()}) {
        if (path.isEmpty())
            continue;
        forms << Module1::pathFileName(path) << QDir(folder).relativeFilePath(path).replace('/', '\\') << path;
    }
    std::stable_sort(forms.begin(), forms.end(), [](const QString& a, const QString& b) { return a.size() < b.size(); });
    for (const QString& form : forms)
        if (findsAgain(form, picture, folder, graphicsFolder))
            return form;
    return {};
}

// A base name for bitmaps every label file can name: characters the code page
// lacks, separators and control characters become "_", and it is kept short.
QString plainBitmapBase(const QString& base)
{
    QString b;
    for (const QChar c : base) {
        const QString one(c);
        b += fromCodePage(toCodePage(one)) == one && c != '\\' && c != '/' && c.unicode() >= 0x20 ? c : QChar('_');
    }
    b = b.trimmed().left(PathWidth - 9); // " 0000.bmp"
    return b.isEmpty() ? QString("Picture") : b;
}

} // namespace

bool LabelDocument::SaveLabelToFile(const QString& fileName, QString* error)
{
    auto failWith = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };

    // A text record keeps at most 32,767 characters: a longer text is refused
    // before anything is written, never saved cut.
    for (const auto& [i, t] : m_texts) {
        if (const qsizetype n = storedLength(t.text); n > MaxTextLength) {
            QString start = t.text.left(30).replace("\r\n", " ");
            return failWith(QString("the text \"%1...\" is %2 characters long, and a label file keeps at most "
                                    "32,767 characters of one text (a line break counts as two). Shorten it and "
                                    "save again.")
                                .arg(start)
                                .arg(n));
        }
    }

    SelectNothing();

    // Pictures that have no file (pasted from the clipboard), whose file has
    // gone, or whose path the label file cannot hold get a bitmap file in the
    // graphics folder first. Each one is only kept, and only named by its
    // item, when the label that refers to it has been written too.
    struct Written {
        GraphicItem* item;
        QString tag, refTag; // as they were
        QString path;        // bitmap written for it
    };
    std::vector<Written> written;
    auto undoWritten = [&] {
        for (const Written& w : written) {
            w.item->tag = w.tag;
            w.item->refTag = w.refTag;
            if (!w.path.isEmpty())
                QFile::remove(w.path);
        }
    };
    const QString name = Module1::pathFileName(fileName);
    const QString base = name.chopped(std::min<qsizetype>(4, name.size()));
    // The first bitmap name that is free and can be stored, and the path it is
    // stored under; empty with `why` when none could be written.
    auto writeBitmap = [&](const QImage& picture, QString& stored, QString& why) -> QString {
        for (const QString& b : {base, plainBitmapBase(base)}) {
            QString path;
            for (int k = 0; k <= 9999 && path.isEmpty(); ++k) {
                const QString candidate =
                    m_app.graphicsFolder + "/" + b + QString(" %1").arg(k, 4, 10, QChar('0')) + ".bmp";
                if (!Module1::fileExists(candidate))
                    path = candidate;
            }
            why = "no free bitmap name is left";
            if (path.isEmpty() || !m_platform.saveBitmap(picture, path, &why))
                return {};
            stored = storedPicturePath(path, fileName, m_app.graphicsFolder);
            if (!stored.isEmpty())
                return path;
            QFile::remove(path);
            why = "a label file cannot name the bitmap \"" + path + "\"";
        }
        return {};
    };

    std::vector<QString> storedPaths;
    for (int r = 0; r < int(m_graphics.size()); ++r) {
        GraphicItem* g = graphicAt(findGraphicByRank(r));
        if (!g) {
            undoWritten();
            return failWith("the picture stacking order is damaged");
        }
        QString stored;
        if (g->tag.size() > 1)
            stored = storedPicturePath(g->path(), fileName, m_app.graphicsFolder);
        if (stored.isEmpty()) {
            QString why;
            const QString path = writeBitmap(g->picture, stored, why);
            if (path.isEmpty()) {
                undoWritten();
                const QString what = g->tag.size() == 1 ? QString("the pasted picture")
                                                        : "the picture \"" + g->path() + "\"";
                return failWith(what + " could not be written to the graphics folder \"" + m_app.graphicsFolder +
                                "\": " + why);
            }
            written.push_back({g, g->tag, g->refTag, path});
            // A picture that had a file now has this one, and editing it reloads
            // it; a pasted one never had a file to reload.
            if (g->tag.size() > 1)
                g->refTag = g->refTag.left(1) + path;
            g->tag = g->tag.left(1) + path;
        }
        storedPaths.push_back(stored);
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
    for (int r = 0; r < int(m_graphics.size()); ++r) {
        const GraphicItem* g = graphicAt(findGraphicByRank(r));
        GraphicRecord gr;
        gr.path = toCodePage(storedPaths[size_t(r)]);
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
        const QByteArray text = toCodePage(t.text);
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
        undoWritten();
        return failWith(why);
    }

    // The steps that hold such a picture now name its bitmap too, so undoing
    // one never writes the picture a second time.
    for (const Written& w : written) {
        int index = 0;
        for (const auto& [i, g] : m_graphics)
            if (&g == w.item)
                index = i;
        const qint64 key = w.item->picture.cacheKey();
        rewriteHistory([&](Snapshot& s) {
            const auto it = s.graphics.find(index);
            if (it == s.graphics.end() || it->second.tag.mid(1) != w.tag.mid(1) || it->second.picture.cacheKey() != key)
                return;
            it->second.tag = it->second.tag.left(1) + w.path;
            it->second.refTag = w.item->refTag;
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

    // Pictures.
    const QString labelFolder = labelFolderOf(fileName);
    int loaded = 0;
    for (const GraphicRecord& gr : parsed.graphics) {
        const QString p = fromCodePage(gr.path).trimmed();
        if (p.isEmpty())
            continue;
        const QString found = findPicture(p, labelFolder, m_app.graphicsFolder);
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
