// Saving and loading a document as a label file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "CkmFormat.h"
#include "ContentRecords.h"
#include "LabelDocument.h"
#include "PictureCache.h"
#include "QrCode.h"
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
    for (const auto& [i, t] : texts()) {
        if (const qsizetype n = storedLength(t.text); n > MaxTextLength) {
            QString start = t.text.left(30).replace("\r\n", " ");
            return failWith(tr("the text \"%1...\" is %2 characters long, and a label file keeps at most "
                               "32,767 characters of one text (a line break counts as two). Shorten it and "
                               "save again.")
                                .arg(start)
                                .arg(n));
        }
    }

    // A QR code's data is the name of its picture record, which keeps at most
    // 128 bytes: refused, never cut.
    for (const ItemPtr& p : m_content.items)
        if (const auto* q = std::get_if<QrItem>(p.get()))
            if (const QString why = qrcode::dataRefusal(q->data); !why.isEmpty())
                return failWith(tr("the QR code \"%1\" cannot be saved. %2").arg(q->data.left(30), why));

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
            why = tr("no free bitmap name is left");
            if (path.isEmpty() || !m_platform.saveBitmap(picture, path, &why))
                return {};
            stored = storedPicturePath(path, fileName, m_app.graphicsFolder);
            if (!stored.isEmpty())
                return path;
            QFile::remove(path);
            why = tr("a label file cannot name the bitmap \"%1\"").arg(path);
        }
        return {};
    };

    std::vector<QString> storedPaths;
    const int graphicCount = m_content.count<GraphicItem>();
    for (int r = 0; r < graphicCount; ++r) {
        const GraphicItem* g = m_content.get<GraphicItem>(findGraphicByRank(r));
        if (!g) {
            undoWritten();
            return failWith(tr("the picture stacking order is damaged"));
        }
        QString stored;
        if (g->tag.size() > 1)
            stored = storedPicturePath(g->path(), fileName, m_app.graphicsFolder);
        if (stored.isEmpty()) {
            QString why;
            const QString path = writeBitmap(g->picture, stored, why);
            if (path.isEmpty()) {
                undoWritten();
                return failWith(g->tag.size() == 1
                                    ? tr("the pasted picture could not be written to the graphics folder \"%1\": %2")
                                          .arg(m_app.graphicsFolder, why)
                                    : tr("the picture \"%1\" could not be written to the graphics folder \"%2\": %3")
                                          .arg(g->path(), m_app.graphicsFolder, why));
            }
            GraphicItem* named = graphicAt(g->index);
            written.push_back({named, named->tag, named->refTag, path});
            // A picture that had a file now has this one, and editing it reloads
            // it; a pasted one never had a file to reload.
            if (named->tag.size() > 1)
                named->refTag = named->refTag.left(1) + path;
            named->tag = named->tag.left(1) + path;
        }
        storedPaths.push_back(stored);
    }

    QByteArray out = records::encode(m_content, CInt(m_surfaceW), CInt(m_surfaceH), storedPaths);

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
        const int index = w.item->index;
        const qint64 key = w.item->picture.cacheKey();
        const QString refTag = w.item->refTag;
        rewriteHistory([&](LabelContent& s) {
            const GraphicItem* old = s.get<GraphicItem>(index);
            if (!old || old->tag.mid(1) != w.tag.mid(1) || old->picture.cacheKey() != key)
                return;
            GraphicItem* g = s.edit<GraphicItem>(index);
            g->tag = g->tag.left(1) + w.path;
            g->refTag = refTag;
        });
    }

    saveFileName = fileName;
    saveTitle = Module1::pathFileName(fileName);
    notify([&](DocumentObserver& o) { o.captionChanged(saveTitle); });
    m_changed = false;
    m_blank = false;
    return true;
}

QStringList LabelDocument::textCharactersNotKept() const
{
    QString all;
    for (const auto& [i, t] : texts())
        all += t.text;
    return charactersNotKept(all);
}

void LabelDocument::LoadFile(const QString& fileName)
{
    if (!Module1::fileExists(fileName)) {
        m_platform.message(tr("Template file: %1 Does NOT exist").arg(fileName), MsgIcon::Information, tr("Warning"));
        return;
    }
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        m_platform.message(tr("Bad or Invalid Filname (File Doesn't Exist): %1").arg(fileName) + "\n" + f.errorString(),
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
            m_platform.message(tr("Bad Header Record in File"));
        m_changed = false;
        m_blank = false;
        return;
    }

    // The content the file describes, built apart and put in place as a whole.
    LabelContent c = m_content;
    records::readHeader(c, parsed.header);
    c.label.Cutmarks = m_app.cutmarks;
    // The window follows the label's type, size and frame.
    const auto show = [&] {
        m_content.label = c.label;
        m_content.frame = c.frame;
        m_content.frameStyle = c.frameStyle;
        m_content.backColor = c.backColor;
        notify([&](DocumentObserver& o) { o.labelTypeShown(c.label.LabelType); });
        resizeLabel();
        notify([&](DocumentObserver& o) { o.borderStyleShown(c.frameStyle); });
    };
    const auto failed = [&](const QString& why) {
        m_platform.message(why);
        m_changed = false;
        m_blank = false;
        SelectNothing();
    };

    if (m_app.templateLoading) {
        show();
        repaint();
        return;
    }
    show();

    // Pictures, by rank.
    const QString labelFolder = labelFolderOf(fileName);
    for (const GraphicRecord& gr : parsed.graphics) {
        const QString p = fromCodePage(gr.path).trimmed();
        if (p.isEmpty())
            continue;
        if (auto q = records::qrItem(gr)) {
            if (c.qrCounter >= MaxItemIndex)
                continue;
            q->index = ++c.qrCounter;
            c.add(std::move(*q));
            continue;
        }
        const QString found = findPicture(p, labelFolder, m_app.graphicsFolder);
        const PictureData pic = found.isEmpty() ? PictureData{} : m_platform.loadPicture(found);
        if (found.isEmpty() || !pic.ok()) {
            m_platform.message(tr("Unable to Load Graphic: %1").arg(p));
            continue;
        }
        if (c.graphicCounter >= MaxItemIndex) {
            m_platform.message(tr("This label cannot hold more pictures. Save it and start a new label."),
                               MsgIcon::Exclamation);
            continue;
        }
        GraphicItem g = records::item(gr, pic, found);
        if (m_pictureDpiLimit > 0)
            pictures::reduceForPrint(g, m_pictureDpiLimit);
        g.index = ++c.graphicCounter;
        c.lastGraphic = int16_t(g.index);
        c.add(std::move(g));
    }
    if (parsed.failure == ParsedLabel::BadGraphic) {
        m_content = c;
        failed(tr("Bad Graphic Record in File"));
        return;
    }

    // Texts, back to front, as they were stored: never re-wrapped.
    const QSizeF surface(m_surfaceW, m_surfaceH);
    const QString face = currentTextFormat().fontName;
    for (const ParsedLabel::Text& pt : parsed.texts) {
        const QString text = fromCodePage(pt.text);
        if (text.isEmpty())
            continue;
        if (c.textCounter >= MaxItemIndex) {
            m_platform.message(tr("This label cannot hold more text items. Save it and start a new label."),
                               MsgIcon::Exclamation);
            break;
        }
        TextItem t = records::item(pt.record, text, surface, face, m_measurer);
        t.index = ++c.textCounter;
        c.add(std::move(t));
    }
    m_content = c;
    if (parsed.failure == ParsedLabel::BadText) {
        failed(tr("Bad Text Record in File"));
        return;
    }

    notify([&](DocumentObserver& o) { o.captionChanged(saveTitle); });
    SelectNothing();
    m_changed = false;
    m_blank = false;
    repaint();
}
