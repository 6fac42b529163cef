// The catalogue of label sheets: reading the sheet database's XML, searching
// it, and printing exactly a product's labels where it has them.
#include <QtTest>

#include "app/LabelSizes.h"
#include "printing/PrintJob.h"
#include "printing/SheetLayout.h"
#include "printing/StockCatalogue.h"
#include "printing/StockPrint.h"
#include "support/Files.h"
#include "support/RecordingSurface.h"
#include "support/StockXml.h"
#include "support/TestEnv.h"

using catalogue::Catalogue;
using catalogue::Product;
using catalogue::Shape;

namespace {

constexpr double Mm = 1 / 25.4;

QStringList names(const std::vector<const Product*>& found)
{
    QStringList n;
    for (const Product* p : found)
        n << p->name();
    return n;
}

// A small database in every form the shared one uses.
const QByteArray Papers = R"(<?xml version="1.0"?>
<Glabels-paper-sizes>
  <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
  <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
  <Paper-size id="A5" _name="A5" width="148mm" height="210mm"/>
</Glabels-paper-sizes>
)";

const QByteArray Sheets = stockxml::templates(R"(
  <Template brand="Avery" part="L7165" size="A4" _description="Parcel labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="99.1mm" height="67.7mm" round="2mm" x_waste="0" y_waste="0">
      <Markup-margin size="5pt"/>
      <Layout nx="2" ny="4" x0="4.65mm" y0="13.1mm" dx="101.6mm" dy="67.7mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Avery" part="J8165" equiv="L7165"/>
  <Template brand="Avery" part="J8165W" equiv="L7165" _description="Weatherproof labels"/>
  <Template brand="Avery" part="J8165X" equiv="J8165"/>
  <Template brand="Avery" part="X1" equiv="NOPE"/>
)" + stockxml::sheet(R"(brand="Acme" part="R-15" size="US-Letter" description="Round wine bottle labels")",
                     R"(round radius="0.75in")", {R"(nx="4" ny="5" x0="0.5in" y0="0.75in" dx="2in" dy="2in")"}) +
    stockxml::sheet(R"(brand="Acme" part="E-2" size="A5" _description="Oval labels")",
                    R"(ellipse width="144" height="72")", {R"(nx="1" ny="3" x0="36" y0="36" dx="99" dy="108")"}) +
    stockxml::sheet(R"(brand="Acme" part="CD-1" size="A4" _description="CD labels")",
                    R"(cd radius="58.5mm" hole="8.5mm")", {R"(nx="1" ny="2" x0="46.5mm" y0="21.5mm" dy="137mm")"}) +
    stockxml::sheet(R"(brand="Acme" part="MIX" size="US-Letter" _description="Mixed labels")",
                    R"(rectangle width="1in" height="0.5in" round="in")",
                    {R"(nx="2" ny="3" x0="0.5in" y0="0.5in" dx="1.5in" dy="1in")",
                     R"(nx="1" ny="4" x0="5in" y0="0.5in" dx="1in" dy="0.75in")"}) +
    stockxml::sheet(R"(brand="Acme" part="ROLL" size="Other" width="4in" height="2in")"
                    R"( _description="Bottle neck labels")",
                    R"(rectangle width="1.5in" height="1in")",
                    {R"(nx="2" ny="1" x0="0.25in" y0="0.5in" dx="2in" dy="5in")"}) +
    stockxml::sheet(R"(brand="Acme" part="BAD" size="A4" _description="Broken")",
                    R"(rectangle width="wide" height="1in")",
                    {R"(nx="1" ny="1" x0="0" y0="0")"}) +
    stockxml::sheet(R"(brand="Acme" part="LONG" size="A5" _description="Rows past the paper")",
                    R"(rectangle width="2in" height="3in")",
                    {R"(nx="2" ny="3" x0="0.5in" y0="0.5in" dx="2.5in" dy="3in")"}));

// Breaks off in its second template: the first still counts.
const QByteArray Broken = "<?xml version=\"1.0\"?>\n<Glabels-templates>\n"
                          "  <Template brand=\"Zeta\" part=\"Z1\" size=\"A4\" _description=\"Whole\">\n"
                          "    <Label-rectangle id=\"0\" width=\"1in\" height=\"1in\">\n"
                          "      <Layout nx=\"1\" ny=\"1\" x0=\"1in\" y0=\"1in\"/>\n"
                          "    </Label-rectangle>\n  </Template>\n"
                          "  <Template brand=\"Zeta\" part=\"Z2\" size=\"A4\">\n"
                          "    <Label-rectangle id=\"0\" width=\"1in\" <oops>\n";

// 2 x 1 inch labels, half an inch from the paper's left edge, a quarter inch apart across.
sheet::Params twoByOne(double top, double rowSpace, QSizeF paper, int across, int down)
{
    return {.W = 2, .H = 1, .leftMargin = 0.5, .topMargin = top, .C = 0.25, .R = rowSpace, .SW = paper.width(),
            .SH = paper.height(), .across = across, .down = down};
}

} // namespace

class tst_StockCatalogue : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    Catalogue small;

    const Product& named(const QString& name) const
    {
        const Product* p = small.find(name);
        if (!p)
            qFatal("no product %s", qPrintable(name));
        return *p;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeFile(tmp.filePath("db/paper-sizes.xml"), Papers));
        QVERIFY(writeFile(tmp.filePath("db/test-templates.xml"), Sheets));
        QVERIFY(writeFile(tmp.filePath("db/zeta-templates.xml"), Broken));
        QVERIFY(writeFile(tmp.filePath("db/notes.xml"), "not a template file at all"));
        small = Catalogue::load({tmp.filePath("missing"), tmp.filePath("db")});
    }

    // In inches; negative: not a length. A bare number is in points.
    void lengths()
    {
        const QList<std::pair<QString, double>> cases = {{"210mm", 210 * Mm}, {"8.5in", 8.5},  {"36pt", 0.5},
                                                         {"9", 0.125},        {"2.54cm", 1.0}, {" 3.175 mm ", 0.125},
                                                         {"wide", -1},        {"mm", -1},      {"", -1}};
        for (const auto& [text, inches] : cases) {
            const auto got = catalogue::parseLength(text);
            QVERIFY2(got.has_value() == (inches >= 0) && (!got || std::abs(*got - inches) < 1e-12),
                     qPrintable(text + ": " + (got ? QString::number(*got, 'g', 17) : "none")));
        }
    }

    void readsEveryForm()
    {
        // All but the broken entry, the alias of nothing and the template the broken file lost.
        QCOMPARE(names(small.search("")), QStringList({"Acme CD-1", "Acme E-2", "Acme LONG", "Acme MIX", "Acme R-15", "Acme ROLL",
                                                        "Avery J8165", "Avery J8165W", "Avery J8165X", "Avery L7165", "Zeta Z1"}));
        const Product& l = named("Avery L7165");
        QCOMPARE(l.shape, Shape::Rectangle);
        QCOMPARE(QList<double>({l.paperWidth, l.paperHeight, l.cornerRadius, l.left, l.top, l.stepX, l.stepY}),
                 QList<double>({210 / 25.4, 297 / 25.4, 2 / 25.4, 4.65 / 25.4, 13.1 / 25.4, 101.6 / 25.4, 67.7 / 25.4}));
        QCOMPARE(l.source, tmp.filePath("db/test-templates.xml"));

        // An alias has its original's geometry, and its description when it has none.
        const Product& j = named("Avery J8165");
        QCOMPARE(j.aliasOf, "Avery L7165");
        QCOMPARE(j.description, "Parcel labels");
        QCOMPARE(QList<double>({j.width, j.height, j.left, j.top, j.stepX, j.stepY}),
                 QList<double>({l.width, l.height, l.left, l.top, l.stepX, l.stepY}));
        QCOMPARE(named("Avery J8165W").description, "Weatherproof labels");
        // An alias of an alias reaches the geometry.
        QCOMPARE(named("Avery J8165X").aliasOf, "Avery L7165");
        QCOMPARE(named("Avery J8165X").stepX, l.stepX);

        const Product& r = named("Acme R-15");
        QCOMPARE(r.shape, Shape::Round);
        QCOMPARE(QList<double>({r.height, r.left, r.stepX}), QList<double>({1.5, 0.5, 2.0}));
        QVERIFY(r.wantsOvalFrame());

        // Unitless lengths are points; a single column has no gap to the next.
        const Product& e = named("Acme E-2");
        QCOMPARE(e.shape, Shape::Ellipse);
        QCOMPARE(QList<double>({e.width, e.height, e.left, e.top, e.stepX, e.stepY}),
                 QList<double>({2.0, 1.0, 0.5, 0.5, 2.0, 1.5}));
        QCOMPARE(e.columnSpace(), 0.0);
        QCOMPARE(e.rowSpace(), 0.5);

        const Product& roll = named("Acme ROLL");
        QCOMPARE(roll.paperId, "Other");
        QCOMPARE(QList<double>({roll.paperWidth, roll.paperHeight, roll.stepY}), QList<double>({4.0, 2.0, 1.0}));
        QVERIFY(roll.landscape());
    }

    void warnsAndGoesOn()
    {
        const QString db = tmp.filePath("db/");
        const QStringList& w = small.warnings;
        QCOMPARE(w.size(), 3);
        // While reading, in file order; the aliases once every file is read.
        QCOMPARE(w[0], db + "test-templates.xml:41: Acme BAD: its label has no usable size or layout, so it is passed over");
        QVERIFY2(w[1].startsWith(db + "zeta-templates.xml:9: "), qPrintable(w[1]));
        QCOMPARE(w[2], db + "test-templates.xml:14: Avery X1 is the same as Avery NOPE, which the catalogue does not have");

        // Nothing at all: no products, no complaint about folders that are not there.
        const Catalogue none = Catalogue::load({tmp.filePath("missing")});
        QVERIFY(none.products.empty());
        QVERIFY(none.warnings.isEmpty());
        // A file that is not XML at all names itself and its line.
        QVERIFY(writeFile(tmp.filePath("junk/a-templates.xml"), "\n\nnot xml"));
        const Catalogue junk = Catalogue::load({tmp.filePath("junk"), tmp.filePath("db")});
        QVERIFY2(junk.warnings.first().startsWith(tmp.filePath("junk/a-templates.xml:3: ")), qPrintable(junk.warnings.first()));
        QCOMPARE(junk.products.size(), small.products.size());
    }

    void refusals()
    {
        QCOMPARE(named("Acme CD-1").refusal(),
                 "Acme CD-1 is a sheet of CD labels: Corkcrafter prints rectangular labels and cannot print around a "
                 "CD's hole.");
        QCOMPARE(named("Acme MIX").refusal(),
                 "Acme MIX has its labels in 2 groups of different spacing: Corkcrafter prints one grid of labels a "
                 "sheet.");
        // 0.5 + 3 x 3 inches down an A5 sheet of 8.27 inches: 1.2 inches too far.
        QCOMPARE(named("Acme LONG").refusal(),
                 "Acme LONG puts labels up to 31.3 mm beyond the edge of its paper (A5): its entry in the catalogue "
                 "cannot be right, so it is not printed on.");
        QCOMPARE(named("Acme R-15").refusal(), "");
        Product none;
        none.maker = "Acme";
        none.code = "NONE";
        QCOMPARE(none.refusal(), "Acme NONE has no layout of labels to print.");
    }

    // The maker in any case, maker and code, part of a code, the description, every word in any order.
    void search()
    {
        const QList<std::pair<QString, QStringList>> cases = {
            {"ZETA", {"Zeta Z1"}},
            {"avery l7165", {"Avery L7165"}},
            {"8165", {"Avery J8165", "Avery J8165W", "Avery J8165X"}},
            {"wine", {"Acme R-15"}},
            {"labels   parcel avery", {"Avery J8165", "Avery J8165X", "Avery L7165"}},
            {"avery wine", {}}};
        for (const auto& [text, found] : cases) {
            const QStringList got = names(small.search(text));
            QVERIFY2(got == found, qPrintable(text + ": " + got.join(", ")));
        }
    }

    void findAndCloseMatches()
    {
        QCOMPARE(small.find("  avery   l7165 ")->code, "L7165");
        QVERIFY(!small.find("Avery L716"));
        QVERIFY(!small.find("L7165"));
        // Closest first (two digits swapped are one slip); a name that shares
        // only the maker is not close.
        QCOMPARE(small.closeMatches("Avery L7156"), QStringList({"Avery L7165", "Avery J8165"}));
        QCOMPARE(small.closeMatches("Avery J8156"),
                 QStringList({"Avery J8165", "Avery J8165W", "Avery J8165X", "Avery L7165"}));
        QCOMPARE(small.closeMatches("Avery J8156", 1), QStringList({"Avery J8165"}));
        QCOMPARE(small.closeMatches("l7165"), QStringList({"Avery L7165"}));
        QCOMPARE(small.closeMatches("acme r15"), QStringList({"Acme R-15"}));
        QCOMPARE(small.closeMatches("Brother QL-700"), QStringList());
    }

    // In mm on ISO paper, inches on US paper; round, oval, CD, several layouts, a paper of its own.
    void captions()
    {
        QStringList got;
        for (const char* name : {"Avery L7165", "Acme R-15", "Acme E-2", "Acme CD-1", "Acme MIX", "Acme ROLL"})
            got << catalogue::caption(named(name));
        QCOMPARE(got, QStringList({"Avery L7165 — 99.1 x 67.7 mm, 2 x 4 on A4",
                                   "Acme R-15 — 1.5 in round, 4 x 5 on US Letter",
                                   "Acme E-2 — 50.8 x 25.4 mm oval, 1 x 3 on A5",
                                   "Acme CD-1 — 117 mm CD, 1 x 2 on A4",
                                   "Acme MIX — 1 x 0.5 in, 10 labels in 2 groups on US Letter",
                                   "Acme ROLL — 38.1 x 25.4 mm, 2 x 1 on 101.6 x 50.8 mm"}));
    }

    // The program's own sheets load without warnings, are found by "wine" and
    // "beer bottle", are cut to its two label sizes and lie on their paper; one
    // chosen by name prints from a partly used sheet's start, moved by the adjustment.
    void ownCatalogue()
    {
        const Catalogue own = Catalogue::load({QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR) + "/stock"});
        QCOMPARE(own.warnings, QStringList());
        QCOMPARE(names(own.search("wine")), QStringList({"Corkcrafter WL-A4", "Corkcrafter WL-LTR"}));
        QCOMPARE(names(own.search("beer bottle")), QStringList({"Corkcrafter BL-A4", "Corkcrafter BL-LTR"}));
        for (const Product& p : own.products) {
            const auto& size = p.code.startsWith("WL") ? labelsizes::Wine : labelsizes::Beer;
            QCOMPARE(QSizeF(p.width, p.height), QSizeF(size.width, size.height));
            QCOMPARE(p.refusal(), "");
            QVERIFY2(p.left + (p.across - 1) * p.stepX + p.width <= p.paperWidth - p.left + 1e-9 &&
                         p.top + (p.down - 1) * p.stepY + p.height <= p.paperHeight,
                     qPrintable(p.name()));
        }

        const Product* p = own.find("corkcrafter bl-ltr");
        QVERIFY(p);
        printjob::Request r;
        // Far smaller than the product's 3 x 3.75: the paper would hold a third row.
        r.content.label = {.LabelHeight = 1, .LabelWidth = 1, .Cutmarks = 0};
        r.placement.start = 3;
        r.placement.right = 0.1;
        r.placement.down = -0.05;
        catalogue::applyTo(*p, r);
        RecordingSurface surface;
        surface.printer = true; // on Letter
        ScriptedPlatform platform;
        QVERIFY(printjob::printLabels(r, surface, platform));
        QList<QPointF> at;
        for (const auto& c : surface.only("label"))
            at << QPointF(c.args[0], c.args[1]);
        // The second column's two labels only, at the product's places, moved.
        QCOMPARE(at, QList<QPointF>({{1 + 3.5 + 0.1, 1.5 - 0.05}, {1 + 3.5 + 0.1, 1.5 + 4.25 - 0.05}}));
        QCOMPARE(platform.texts(), QStringList());
    }

    // A product's sheet holds exactly its labels, where it has them, from the
    // paper's corner, even where another column would fit; 0 keeps "as many as fit".
    void planWithCounts_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<double>("paperWidth");
        QTest::addColumn<long long>("skip");
        QTest::addColumn<QList<QRectF>>("labels");
        const double W = 2, H = 1;
        auto at = [&](double x, double y) { return QRectF(x, y, W, H); };
        // Margins 0.5, 0.25; spacing 0.25 across, 0.5 down.
        QTest::newRow("2 x 2, paper holds three columns")
            << 2 << 2 << 8.5 << 0LL << QList<QRectF>{at(0.5, 0.25), at(0.5, 1.75), at(2.75, 0.25), at(2.75, 1.75)};
        QTest::newRow("3 x 1, the third over the paper's edge")
            << 3 << 1 << 6.0 << 0LL << QList<QRectF>{at(0.5, 0.25), at(2.75, 0.25), at(5.0, 0.25)};
        QTest::newRow("2 x 2 from the third")
            << 2 << 2 << 8.5 << 2LL << QList<QRectF>{at(2.75, 0.25), at(2.75, 1.75)};
        QTest::newRow("as many as fit") << 0 << 0 << 4.0 << 0LL
                                        << QList<QRectF>{at(0.5, 0.25), at(0.5, 1.75), at(0.5, 3.25)};
    }
    void planWithCounts()
    {
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(double, paperWidth);
        QFETCH(long long, skip);
        QFETCH(QList<QRectF>, labels);
        sheet::Params p = twoByOne(0.25, 0.5, QSizeF(paperWidth, 4.5), across, down);
        p.skipLabels = skip;
        const sheet::Plan plan = sheet::plan(p);
        QCOMPARE(QList<QRectF>(plan.labels.begin(), plan.labels.end()), labels);
        QCOMPARE(plan.empty.size(), size_t(skip));
        if (across == 0)
            return;
        QCOMPARE(sheet::countLabels(p), (long long)across * down);
        // The closing marks sit at the last label's far corner, not at the paper's edge.
        p.cutmarks = 1;
        p.skipLabels = 0;
        const sheet::Plan marked = sheet::plan(p);
        const QRectF last = marked.labels.back();
        QVERIFY(std::any_of(marked.marks.begin(), marked.marks.end(),
                            [&](const QLineF& m) { return m.p1() == last.bottomRight() - QPointF(0.1, 0); }));
    }

    // The printer's edge is named once; labels past the product's count are never counted in.
    void unreachableWithCounts()
    {
        sheet::Params p = twoByOne(0.1, 0, QSizeF(8.5, 11), 3, 2);
        const QRectF printable(0.25, 0.25, 6.5, 10.5);
        QCOMPARE(printjob::unreachableMessage(p, printable),
                 "The printer cannot reach the whole of column 3 and row 1 of the sheet: what lies in its unprintable "
                 "border will be missing on the paper.");
        p.across = 2;
        p.topMargin = 0.5;
        QCOMPARE(printjob::unreachableMessage(p, printable), "");
    }

    // A product's steps and counts reach the request; the product is known again while the layout matches.
    void requestOnProduct()
    {
        const Product& l = named("Avery L7165");
        printjob::Request r;
        r.content.label = {.LabelHeight = 2.5, .LabelWidth = 3.5};
        catalogue::applyTo(l, r);
        QCOMPARE(QList<double>({r.content.label.LeftMargin, r.content.label.TopMargin, r.columnSpace + 3.5,
                                r.rowSpace + 2.5}),
                 QList<double>({l.left, l.top, l.stepX, l.stepY}));
        QCOMPARE(QList<int>({r.across, r.down}), QList<int>({2, 4}));

        LabelSpec label{.LabelHeight = 2.665, .LabelWidth = 3.902, .TopMargin = 0.516, .LeftMargin = 0.183};
        QVERIFY(catalogue::layoutMatches(l, label, 0.098, 0));
        label.TopMargin = 0.518;
        QVERIFY(!catalogue::layoutMatches(l, label, 0.098, 0));
        label.TopMargin = 0.516;
        QVERIFY(!catalogue::layoutMatches(l, label, 0.1, 0));

        QCOMPARE(catalogue::labelLargerMessage(l, 3.9, 2.666), "");
        QCOMPARE(catalogue::labelLargerMessage(l, 4, 2),
                 "the label (4.000 x 2.000 in) is larger than the labels of Avery L7165 (3.902 x 2.665 in): it is "
                 "cut off at its own edges and runs over onto the labels next to it");

        QCOMPARE(catalogue::paperLayout(l).pageSize().id(), QPageSize::A4);
        QCOMPARE(catalogue::paperLayout(l).orientation(), QPageLayout::Portrait);
        const QPageLayout roll = catalogue::paperLayout(named("Acme ROLL"));
        QCOMPARE(roll.orientation(), QPageLayout::Landscape);
        QCOMPARE(roll.fullRect(QPageLayout::Inch).size(), QSizeF(4, 2));
    }

    // The print remembers the product while the label is laid out for it.
    void rememberedProductWhileTheLayoutMatches()
    {
        TestEnv env;
        printjob::Request r;
        LabelSpec& label = r.content.label;
        label = {.LabelHeight = 4, .LabelWidth = 5, .TopMargin = 1.25, .LeftMargin = 1.75};
        r.rowSpace = 0.5;
        const QString data = env.ctx.paths.dataDir;
        QVERIFY(!catalogue::rememberedFor(r, env.store, data));
        catalogue::rememberProduct(env.store, "corkcrafter wl-ltr");
        const Product* p = catalogue::rememberedFor(r, env.store, data);
        QVERIFY(p);
        QCOMPARE(p->name(), "Corkcrafter WL-LTR");
        label.LeftMargin = 1.752;
        QVERIFY(!catalogue::rememberedFor(r, env.store, data));
    }
};

QTEST_MAIN(tst_StockCatalogue)
#include "tst_stockcatalogue.moc"
