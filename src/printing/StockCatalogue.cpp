// Reading the label-sheet template files: one <Template> per product, its
// label shape with the first layout, and the paper it is laid out on.
#include "StockCatalogue.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

#include "platform/SettingsStore.h"

namespace catalogue {

namespace {

// A length in inches: "99.1mm", "4in", "72pt", "72" (points).
bool inches(QStringView text, double& out)
{
    static const struct {
        const char* unit;
        double perInch;
    } units[] = {{"mm", 25.4}, {"cm", 2.54}, {"in", 1}, {"pt", 72}, {"pc", 6}};
    text = text.trimmed();
    double per = 72;
    for (const auto& u : units)
        if (text.endsWith(QLatin1String(u.unit))) {
            per = u.perInch;
            text.chop(2);
            break;
        }
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v / per;
    return true;
}

struct Paper {
    QString name;
    double width = 0, height = 0;
};

QString trimmedNumber(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
    }
    return s;
}

// Reads one template file into products; entries that borrow another's
// geometry keep its name in aliasOf until every file has been read.
class TemplateReader {
public:
    TemplateReader(const QHash<QString, Paper>& papers, std::vector<Product>& out, QStringList& warnings)
        : m_papers(papers), m_out(out), m_warnings(warnings)
    {
    }

    void read(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            m_warnings << QString("%1: cannot be read (%2)").arg(path, f.errorString());
            return;
        }
        QXmlStreamReader xml(&f);
        if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates")) {
            m_warnings << QString("%1: not a label template file").arg(path);
            return;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Template"))
                readTemplate(xml, path);
            else
                xml.skipCurrentElement();
        }
        if (xml.hasError())
            m_warnings << QString("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    }

private:
    void readTemplate(QXmlStreamReader& xml, const QString& path)
    {
        const QXmlStreamAttributes a = xml.attributes();
        Product p;
        p.maker = a.value("brand").toString();
        p.code = a.value("part").toString();
        p.source = path;
        if (p.maker.isEmpty() || p.code.isEmpty()) {
            m_warnings << QString("%1:%2: a template without brand or part").arg(path).arg(xml.lineNumber());
            xml.skipCurrentElement();
            return;
        }
        if (a.hasAttribute("equiv")) {
            p.aliasOf = p.maker + ' ' + a.value("equiv").toString();
            m_out.push_back(p);
            xml.skipCurrentElement();
            return;
        }
        p.description = a.value("_description").toString();
        if (p.description.isEmpty())
            p.description = a.value("description").toString();
        p.paperId = a.value("size").toString();
        if (const auto it = m_papers.constFind(p.paperId); it != m_papers.constEnd()) {
            p.paperName = it->name;
            p.paperWidth = it->width;
            p.paperHeight = it->height;
        } else {
            inches(a.value("width"), p.paperWidth);
            inches(a.value("height"), p.paperHeight);
            p.paperName = QString("%1 x %2 in").arg(trimmedNumber(p.paperWidth, 2), trimmedNumber(p.paperHeight, 2));
        }
        bool labelSeen = false;
        while (xml.readNextStartElement()) {
            const QStringView n = xml.name();
            if (!labelSeen && n.startsWith(QLatin1String("Label-"))) {
                labelSeen = true;
                readLabel(xml, p);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (!labelSeen || p.paperWidth <= 0 || p.paperHeight <= 0)
            m_warnings << QString("%1: %2 has no label or no paper size").arg(path, p.name());
        m_out.push_back(p);
    }

    void readLabel(QXmlStreamReader& xml, Product& p)
    {
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView kind = xml.name();
        if (kind == QLatin1String("Label-rectangle")) {
            inches(a.value("width"), p.width);
            inches(a.value("height"), p.height);
            inches(a.value("round"), p.cornerRadius);
        } else if (kind == QLatin1String("Label-ellipse")) {
            p.shape = Shape::Ellipse;
            inches(a.value("width"), p.width);
            inches(a.value("height"), p.height);
        } else {
            p.shape = kind == QLatin1String("Label-cd") ? Shape::CD : Shape::Round;
            double r = 0;
            inches(a.value("radius"), r);
            p.width = p.height = 2 * r;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Layout")) {
                const QXmlStreamAttributes l = xml.attributes();
                if (++p.layouts == 1) {
                    p.across = l.value("nx").toInt();
                    p.down = l.value("ny").toInt();
                    inches(l.value("x0"), p.left);
                    inches(l.value("y0"), p.top);
                    inches(l.value("dx"), p.stepX);
                    inches(l.value("dy"), p.stepY);
                }
            }
            xml.skipCurrentElement();
        }
    }

    const QHash<QString, Paper>& m_papers;
    std::vector<Product>& m_out;
    QStringList& m_warnings;
};

QHash<QString, Paper> readPapers(const QString& path, QStringList& warnings)
{
    QHash<QString, Paper> papers;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        warnings << QString("%1: cannot be read (%2)").arg(path, f.errorString());
        return papers;
    }
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Paper-size")) {
            const QXmlStreamAttributes a = xml.attributes();
            Paper p;
            p.name = a.value("_name").toString();
            if (inches(a.value("width"), p.width) && inches(a.value("height"), p.height))
                papers.insert(a.value("id").toString(), p);
        }
    }
    if (xml.hasError())
        warnings << QString("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return papers;
}

QString lower(const Product& p) { return (p.maker + ' ' + p.code + ' ' + p.description).toLower(); }

} // namespace

QString Product::refusal() const
{
    if (shape == Shape::CD)
        return QString("%1 is a sheet of CD labels: a label with a hole cannot be printed.").arg(name());
    if (layouts > 1)
        return QString("%1 has labels of several sizes or groups on one sheet: only sheets with one grid of "
                       "labels can be printed.")
            .arg(name());
    if (layouts == 0 || across <= 0 || down <= 0 || width <= 0 || height <= 0)
        return QString("%1 describes no label that can be printed.").arg(name());
    return {};
}

QString caption(const Product& p)
{
    const bool metric = !p.paperId.startsWith("US-");
    const QString size = metric ? QString("%1 x %2 mm").arg(trimmedNumber(p.width * 25.4, 1),
                                                            trimmedNumber(p.height * 25.4, 1))
                                : QString("%1 x %2 in").arg(trimmedNumber(p.width, 3), trimmedNumber(p.height, 3));
    return QString("%1 — %2, %3 x %4 on %5").arg(p.name(), size).arg(p.across).arg(p.down).arg(p.paperName);
}

Catalogue Catalogue::load(const QStringList& folders)
{
    Catalogue c;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        QHash<QString, Paper> papers;
        const QString paperFile = dir.filePath("paper-sizes.xml");
        if (QFile::exists(paperFile))
            papers = readPapers(paperFile, c.warnings);
        if (papers.isEmpty()) {
            papers.insert("A4", {"A4", 210 / 25.4, 297 / 25.4});
            papers.insert("US-Letter", {"US Letter", 8.5, 11});
        }
        TemplateReader reader(papers, c.products, c.warnings);
        for (const QString& name : dir.entryList({"*-templates.xml"}, QDir::Files, QDir::Name))
            reader.read(dir.filePath(name));
    }
    // An alias takes its original's geometry and keeps its own name.
    // An alias may name another alias.
    QHash<QString, const Product*> byName;
    for (const Product& p : c.products)
        byName.insert(p.name().toLower(), &p);
    std::vector<Product> resolved;
    resolved.reserve(c.products.size());
    for (const Product& p : c.products) {
        if (p.aliasOf.isEmpty()) {
            resolved.push_back(p);
            continue;
        }
        const Product* original = byName.value(p.aliasOf.toLower());
        for (int hops = 0; original && !original->aliasOf.isEmpty() && hops < 8; ++hops)
            original = byName.value(original->aliasOf.toLower());
        if (!original || !original->aliasOf.isEmpty()) {
            c.warnings << QString("%1: %2 refers to %3, which is in no file").arg(p.source, p.name(), p.aliasOf);
            continue;
        }
        Product a = *original;
        a.maker = p.maker;
        a.code = p.code;
        a.aliasOf = p.aliasOf;
        a.source = p.source;
        resolved.push_back(a);
    }
    c.products = std::move(resolved);
    std::stable_sort(c.products.begin(), c.products.end(), [](const Product& a, const Product& b) {
        const int m = a.maker.compare(b.maker, Qt::CaseInsensitive);
        return m != 0 ? m < 0 : a.code.compare(b.code, Qt::CaseInsensitive) < 0;
    });
    return c;
}

std::vector<const Product*> Catalogue::search(const QString& text) const
{
    const QStringList words = text.toLower().split(' ', Qt::SkipEmptyParts);
    std::vector<const Product*> found;
    for (const Product& p : products) {
        const QString hay = lower(p);
        if (std::all_of(words.begin(), words.end(), [&hay](const QString& w) { return hay.contains(w); }))
            found.push_back(&p);
    }
    return found;
}

const Product* Catalogue::find(const QString& makerAndCode) const
{
    const QString wanted = makerAndCode.simplified();
    for (const Product& p : products)
        if (p.name().compare(wanted, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QStringList Catalogue::closeMatches(const QString& makerAndCode, int most) const
{
    QStringList out;
    for (const Product* p : search(makerAndCode.section(' ', -1)))
        if (out.size() < most)
            out << p->name();
    return out;
}

QStringList standardFolders(const QString& dataDir)
{
    return {dataDir + "/stock", "/usr/share/libglabels-3.0/templates"};
}

QString rememberedProduct(const SettingsStore& store) { return store.read("Settings", "Stock Product", ""); }

void rememberProduct(SettingsStore& store, const QString& makerAndCode)
{
    store.write("Settings", "Stock Product", makerAndCode);
}

} // namespace catalogue
