#include "StockCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace catalogue {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double PointsPerInch = 72;

struct Paper {
    QString name;
    double width = 0, height = 0; // inches
};

// The two papers nearly every sheet is made for, known even without the
// database's own list of paper sizes.
QHash<QString, Paper> builtInPapers()
{
    return {{"A4", {"A4", 210 / MmPerInch, 297 / MmPerInch}}, {"US-Letter", {"US Letter", 8.5, 11}}};
}

// A template as read, before its alias (if any) is resolved.
struct Entry {
    Product product;
    QString equiv; // the part whose geometry it borrows
    int line = 0;
};

class Reader {
public:
    Reader(const QString& path, QStringList& warnings) : m_path(path), m_warnings(warnings) {}

    void warn(qint64 line, const QString& what) { m_warnings << QString("%1:%2: %3").arg(m_path).arg(line).arg(what); }

    bool open(QFile& file)
    {
        if (file.open(QIODevice::ReadOnly))
            return true;
        m_warnings << m_path + ": cannot be read: " + file.errorString();
        return false;
    }

    void readPapers(QHash<QString, Paper>& papers)
    {
        readEach(QLatin1String("Paper-size"), [&](QXmlStreamReader& xml) {
            const auto a = xml.attributes();
            const QString id = a.value("id").toString();
            const auto w = parseLength(a.value("width").toString());
            const auto h = parseLength(a.value("height").toString());
            if (id.isEmpty() || !w || !h || *w <= 0 || *h <= 0) {
                warn(xml.lineNumber(), "a paper size without an id, width or height is passed over");
                return;
            }
            QString name = a.value("_name").toString();
            if (name.isEmpty())
                name = a.value("name").toString();
            papers.insert(id, {name.isEmpty() ? id : name, *w, *h});
        });
    }

    void readTemplates(std::vector<Entry>& out)
    {
        readEach(QLatin1String("Template"), [&](QXmlStreamReader& xml) {
            Entry e;
            if (readTemplate(xml, e))
                out.push_back(e);
        });
    }

private:
    // Hands every <element> of the file to `each`; a file that breaks off is told once.
    template <class F> void readEach(QLatin1String element, F each)
    {
        QFile file(m_path);
        if (!open(file))
            return;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == element)
                each(xml);
        }
        if (xml.hasError())
            warn(xml.lineNumber(), xml.errorString());
    }

    // One <Template>: the reader is left after its end element. False when it
    // is passed over (told as a warning, unless the file itself broke off).
    bool readTemplate(QXmlStreamReader& xml, Entry& e)
    {
        Product& p = e.product;
        e.line = int(xml.lineNumber());
        const auto a = xml.attributes();
        p.maker = a.value("brand").toString().trimmed();
        p.code = a.value("part").toString().trimmed();
        p.description = a.value("_description").toString();
        if (p.description.isEmpty())
            p.description = a.value("description").toString();
        p.source = m_path;
        e.equiv = a.value("equiv").toString().trimmed();
        p.paperId = a.value("size").toString();
        if (p.paperId == QLatin1String("Other")) {
            const auto w = parseLength(a.value("width").toString());
            const auto h = parseLength(a.value("height").toString());
            p.paperWidth = w.value_or(0);
            p.paperHeight = h.value_or(0);
        }
        QString problem;
        if (p.maker.isEmpty() || p.code.isEmpty())
            problem = "a template without a brand or part is passed over";
        bool labelSeen = false;
        while (xml.readNextStartElement()) {
            const auto n = xml.name();
            if (n.startsWith(QLatin1String("Label-")) && !labelSeen) {
                labelSeen = true;
                if (!readLabel(xml, p) && problem.isEmpty())
                    problem = p.name() + ": its label has no usable size or layout, so it is passed over";
            } else {
                xml.skipCurrentElement();
            }
        }
        if (xml.hasError())
            return false;
        if (problem.isEmpty() && e.equiv.isEmpty()) {
            if (!labelSeen)
                problem = p.name() + " has no label, so it is passed over";
            else if (p.paperId == QLatin1String("Other") && (p.paperWidth <= 0 || p.paperHeight <= 0))
                problem = p.name() + ": its paper has no usable size, so it is passed over";
        }
        if (!problem.isEmpty()) {
            warn(e.line, problem);
            return false;
        }
        return true;
    }

    // A <Label-...> element and its layouts.
    bool readLabel(QXmlStreamReader& xml, Product& p)
    {
        const auto a = xml.attributes();
        const auto n = xml.name();
        bool ok = true;
        // A length the layout needs must be right; a corner's rounding, drawn
        // nowhere, may be wrong in the file (the shared database has "in").
        auto length = [&](const char* name, bool needed) {
            const QString v = a.value(QLatin1String(name)).toString();
            const auto l = parseLength(v);
            if (needed)
                ok = ok && l.has_value();
            return l.value_or(0);
        };
        if (n == QLatin1String("Label-rectangle")) {
            p.shape = Shape::Rectangle;
            p.width = length("width", true);
            p.height = length("height", true);
            p.cornerRadius = length("round", false);
        } else if (n == QLatin1String("Label-round")) {
            p.shape = Shape::Round;
            p.width = p.height = 2 * length("radius", true);
        } else if (n == QLatin1String("Label-ellipse")) {
            p.shape = Shape::Ellipse;
            p.width = length("width", true);
            p.height = length("height", true);
        } else if (n == QLatin1String("Label-cd")) {
            p.shape = Shape::CD;
            p.width = p.height = 2 * length("radius", true);
            // A CD label cut straight at its sides is narrower than its circle.
            if (a.hasAttribute("width"))
                p.width = length("width", true);
            if (a.hasAttribute("height"))
                p.height = length("height", true);
        } else {
            ok = false;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Layout")) {
                xml.skipCurrentElement();
                continue;
            }
            const auto l = xml.attributes();
            auto value = [&](const char* name) {
                const QString v = l.value(QLatin1String(name)).toString();
                if (v.isEmpty())
                    return 0.0;
                const auto len = parseLength(v);
                ok = ok && len.has_value();
                return len.value_or(0);
            };
            bool nxOk = false, nyOk = false;
            const int nx = l.value("nx").toInt(&nxOk), ny = l.value("ny").toInt(&nyOk);
            if (!nxOk || !nyOk || nx < 1 || ny < 1)
                ok = false;
            if (++p.layouts == 1) {
                p.across = nx;
                p.down = ny;
                p.left = value("x0");
                p.top = value("y0");
                p.stepX = value("dx");
                p.stepY = value("dy");
                // A single column or row has no step to the next: whatever the
                // file says, it is taken as no gap.
                if (nx == 1)
                    p.stepX = p.width;
                if (ny == 1)
                    p.stepY = p.height;
            }
            p.labels += std::max(0, nx) * std::max(0, ny);
            xml.skipCurrentElement();
        }
        return ok && p.width > 0 && p.height > 0 && p.layouts > 0 && p.stepX > 0 && p.stepY > 0;
    }

    QString m_path;
    QStringList& m_warnings;
};

QString lowerName(const QString& s) { return s.simplified().toLower(); }

// Letters to add, drop, change or swap with the next one to make a into b:
// two digits typed the wrong way round are one slip, not two.
int editDistance(const QString& a, const QString& b)
{
    const size_t n = size_t(b.size()) + 1;
    std::vector<int> before(n), last(n), row(n);
    for (size_t j = 0; j < n; ++j)
        last[j] = int(j);
    for (int i = 1; i <= a.size(); ++i) {
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const size_t J = size_t(j);
            row[J] = std::min({last[J] + 1, row[J - 1] + 1, last[J - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[J] = std::min(row[J], before[J - 2] + 1);
        }
        std::swap(before, last);
        std::swap(last, row);
    }
    return last[n - 1];
}

// "99.1" from 99.1 mm; "100" rather than "100.0".
QString millimetres(double inches)
{
    QString s = QString::number(inches * MmPerInch, 'f', 1);
    if (s.endsWith(".0"))
        s.chop(2);
    return s;
}

// "2.625", "1", "0.5": the fractions US sheets are sold in need three decimals.
QString inchText(double inches)
{
    QString s = QString::number(inches, 'f', 3);
    while (s.endsWith('0'))
        s.chop(1);
    if (s.endsWith('.'))
        s.chop(1);
    return s;
}

} // namespace

std::optional<double> parseLength(const QString& text)
{
    const QString t = text.trimmed();
    struct Unit {
        const char* suffix;
        double perInch;
    };
    static const Unit units[] = {{"mm", MmPerInch}, {"cm", MmPerInch / 10}, {"in", 1}, {"pt", PointsPerInch}};
    QStringView number = t;
    double perInch = PointsPerInch;
    for (const Unit& u : units)
        if (t.endsWith(QLatin1String(u.suffix), Qt::CaseInsensitive)) {
            number = QStringView(t).chopped(2);
            perInch = u.perInch;
            break;
        }
    bool ok = false;
    const double v = number.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v / perInch;
}

QString Product::refusal() const
{
    if (shape == Shape::CD)
        return QCoreApplication::translate("catalogue", "%1 is a sheet of CD labels: Corkcrafter prints rectangular labels and cannot "
                                                  "print around a CD's hole.")
            .arg(name());
    if (layouts > 1)
        return QCoreApplication::translate("catalogue", "%1 has its labels in %2 groups of different spacing: Corkcrafter prints one "
                                                  "grid of labels a sheet.")
            .arg(name())
            .arg(layouts);
    if (layouts < 1 || across < 1 || down < 1)
        return QCoreApplication::translate("catalogue", "%1 has no layout of labels to print.").arg(name());
    // A few entries of the shared database put labels far off their paper (a
    // row count or step mistyped); a fraction of a millimetre is rounding.
    const double past = std::max({left + (across - 1) * stepX + width - paperWidth,
                                  top + (down - 1) * stepY + height - paperHeight, -left, -top});
    if (past > 1 / MmPerInch)
        return QCoreApplication::translate("catalogue", "%1 puts labels up to %2 mm beyond the edge of its paper (%3): its entry in the "
                                                  "catalogue cannot be right, so it is not printed on.")
            .arg(name(), millimetres(past), paperName);
    return {};
}

QString caption(const Product& p)
{
    // Sheets for US paper are sold by the inch; the rest of the world's by the millimetre.
    const bool inches = p.paperId.startsWith(QLatin1String("US-"));
    auto len = [inches](double v) { return inches ? inchText(v) : millimetres(v); };
    const QString unit = inches ? " in" : " mm";
    QString size;
    switch (p.shape) {
    case Shape::Round: size = QCoreApplication::translate("catalogue", "%1 round").arg(len(p.width) + unit); break;
    case Shape::CD: size = len(std::max(p.width, p.height)) + unit + " CD"; break;
    case Shape::Ellipse: size = QCoreApplication::translate("catalogue", "%1 oval").arg(len(p.width) + " x " + len(p.height) + unit); break;
    case Shape::Rectangle: size = len(p.width) + " x " + len(p.height) + unit; break;
    }
    const QString count = p.layouts > 1 ? QCoreApplication::translate("catalogue", "%1 labels in %2 groups").arg(p.labels).arg(p.layouts)
                                        : QString("%1 x %2").arg(p.across).arg(p.down);
    return p.name() + QString::fromUtf8(" \u2014 ") + QCoreApplication::translate("catalogue", "%1, %2 on %3").arg(size, count, p.paperName);
}

Catalogue Catalogue::load(const QStringList& folders)
{
    Catalogue c;
    QHash<QString, Paper> papers = builtInPapers();
    std::vector<Entry> entries;
    QStringList templateFiles;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (!dir.exists())
            continue;
        if (dir.exists("paper-sizes.xml"))
            Reader(dir.filePath("paper-sizes.xml"), c.warnings).readPapers(papers);
        for (const QString& f : dir.entryList({"*-templates.xml"}, QDir::Files | QDir::Hidden, QDir::Name))
            templateFiles << dir.filePath(f);
    }
    for (const QString& path : templateFiles)
        Reader(path, c.warnings).readTemplates(entries);

    // The first of a name wins: the program's own catalogue comes before the shared one.
    QHash<QString, size_t> byName;
    auto key = [](const QString& maker, const QString& code) { return lowerName(maker + ' ' + code); };
    for (size_t i = 0; i < entries.size(); ++i) {
        const Product& p = entries[i].product;
        if (!byName.contains(key(p.maker, p.code)))
            byName.insert(key(p.maker, p.code), i);
    }
    // The entry with the geometry an alias borrows, through aliases of aliases.
    auto original = [&](const Entry& alias) -> const Entry* {
        const Entry* e = &alias;
        for (int hops = 0; hops < 16 && !e->equiv.isEmpty(); ++hops) {
            const auto it = byName.constFind(key(alias.product.maker, e->equiv));
            if (it == byName.constEnd())
                return nullptr;
            e = &entries[*it];
        }
        return e->equiv.isEmpty() ? e : nullptr;
    };
    QHash<QString, bool> taken;
    for (Entry& e : entries) {
        Product p = e.product;
        if (!e.equiv.isEmpty()) {
            const Entry* it = original(e);
            if (!it) {
                c.warnings << QString("%1:%2: %3 is the same as %4 %5, which the catalogue does not have")
                                  .arg(p.source)
                                  .arg(e.line)
                                  .arg(p.name(), p.maker, e.equiv);
                continue;
            }
            const QString own = p.description;
            p = it->product;
            p.maker = e.product.maker;
            p.code = e.product.code;
            p.source = e.product.source;
            p.aliasOf = it->product.name();
            if (!own.isEmpty())
                p.description = own;
        }
        if (taken.contains(key(p.maker, p.code)))
            continue;
        const auto paper = papers.constFind(p.paperId);
        if (p.paperId != QLatin1String("Other")) {
            if (paper == papers.constEnd()) {
                c.warnings << QString("%1:%2: %3 is for paper \"%4\", which the catalogue does not know")
                                  .arg(p.source)
                                  .arg(e.line)
                                  .arg(p.name(), p.paperId);
                continue;
            }
            p.paperName = paper->name;
            p.paperWidth = paper->width;
            p.paperHeight = paper->height;
        } else {
            p.paperName = millimetres(p.paperWidth) + " x " + millimetres(p.paperHeight) + " mm";
        }
        taken.insert(key(p.maker, p.code), true);
        c.products.push_back(p);
    }
    std::sort(c.products.begin(), c.products.end(), [](const Product& a, const Product& b) {
        const int m = a.maker.compare(b.maker, Qt::CaseInsensitive);
        if (m != 0)
            return m < 0;
        return a.code.compare(b.code, Qt::CaseInsensitive) < 0;
    });
    return c;
}

std::vector<const Product*> Catalogue::search(const QString& text) const
{
    if (haystacks.size() != products.size()) {
        haystacks.clear();
        haystacks.reserve(products.size());
        for (const Product& p : products)
            haystacks.push_back((p.maker + ' ' + p.code + ' ' + p.description).toLower());
    }
    const QStringList words = text.toLower().split(' ', Qt::SkipEmptyParts);
    std::vector<const Product*> found;
    for (size_t i = 0; i < products.size(); ++i) {
        const QString& h = haystacks[i];
        if (std::all_of(words.begin(), words.end(), [&h](const QString& w) { return h.contains(w); }))
            found.push_back(&products[i]);
    }
    return found;
}

const Product* Catalogue::find(const QString& makerAndCode) const
{
    const QString want = lowerName(makerAndCode);
    for (const Product& p : products)
        if (lowerName(p.name()) == want)
            return &p;
    return nullptr;
}

QStringList Catalogue::closeMatches(const QString& makerAndCode, int most) const
{
    const QString want = lowerName(makerAndCode);
    if (want.isEmpty() || most < 1)
        return {};
    std::vector<std::pair<int, const Product*>> scored;
    for (const Product& p : products) {
        // The code alone is a near miss too: "L7165" for "Avery L7165".
        const int d = std::min(editDistance(want, lowerName(p.name())), editDistance(want, lowerName(p.code)) + 1);
        // Farther than a third of the name is another product, not a typing slip.
        if (d <= std::max(2, int(want.size()) / 3))
            scored.emplace_back(d, &p);
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    for (size_t i = 0; i < scored.size() && names.size() < most; ++i)
        names << scored[i].second->name();
    return names;
}

const Catalogue& Catalogue::standard(const QString& dataDir)
{
    // One a data folder: the program has one, a test may point at its own.
    // Kept for the whole run, so a reference stays good.
    static std::map<QString, std::unique_ptr<const Catalogue>> kept;
    auto& c = kept[QDir::cleanPath(dataDir)];
    if (!c)
        c = std::make_unique<const Catalogue>(load(standardFolders(dataDir)));
    return *c;
}

QStringList standardFolders(const QString& dataDir)
{
    QStringList folders;
    auto add = [&folders](const QString& f) {
        const QString clean = QDir::cleanPath(f);
        if (!folders.contains(clean))
            folders << clean;
    };
    if (!dataDir.isEmpty())
        add(dataDir + "/stock");
    for (const QString& d : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(d + "/libglabels-3.0/templates");
    add("/usr/share/libglabels-3.0/templates");
    return folders;
}

QString rememberedProduct(const SettingsStore& store)
{
    return settings::readText(store, settings::keys::StockProduct).trimmed();
}

void rememberProduct(SettingsStore& store, const QString& makerAndCode)
{
    settings::writeText(store, settings::keys::StockProduct, makerAndCode.trimmed());
}

} // namespace catalogue
