// Where labels and cut marks go on a sheet, segment by segment.
#include <QtTest>
#include <limits>
#include <set>

#include "printing/SheetLayout.h"

namespace {

struct Seg {
    double x1, y1, x2, y2;
    bool operator==(const Seg& o) const
    {
        auto eq = [](double a, double b) { return std::abs(a - b) < 1e-9; };
        return eq(x1, o.x1) && eq(y1, o.y1) && eq(x2, o.x2) && eq(y2, o.y2);
    }
};

class Collect : public sheet::Sink {
public:
    std::vector<std::pair<double, double>> labels;
    std::vector<Seg> segs;
    void label(double X, double Y) override { labels.push_back({X, Y}); }
    void segment(double a, double b, double c, double d) override { segs.push_back({a, b, c, d}); }
};

// Expected marks, written out by hand from the mark rules.
void cross(std::vector<Seg>& v, double x, double y)
{
    v.push_back({x - 0.1, y, x + 0.1, y});
    v.push_back({x, y - 0.1, x, y + 0.1});
}
void top(std::vector<Seg>& v, double x, double y, double W) { v.push_back({x - 0.1, y, x + W + 0.1, y}); }
void side(std::vector<Seg>& v, double x, double y, double H) { v.push_back({x, y - 0.1, x, y + H + 0.1}); }

sheet::Params params(int16_t mode, double gap, double page)
{
    sheet::Params p;
    p.W = 1;
    p.H = 1;
    p.C = gap;
    p.R = gap;
    p.SW = page;
    p.SH = page;
    p.cutmarks = mode;
    return p;
}

std::string dump(const std::vector<Seg>& v)
{
    std::string s;
    for (const Seg& g : v)
        s += "(" + std::to_string(g.x1) + "," + std::to_string(g.y1) + ")-(" + std::to_string(g.x2) + "," +
             std::to_string(g.y2) + ") ";
    return s;
}

} // namespace

#define COMPARE_SEGS(actual, expected) \
    QVERIFY2((actual) == (expected), ("got " + dump(actual) + "\nwant " + dump(expected)).c_str())

class tst_Sheet : public QObject {
    Q_OBJECT
private slots:
    void noGapsInsideOutside()
    {
        Collect c;
        sheet::walk(params(2, 0, 2.5), c);
        QCOMPARE(c.labels, (std::vector<std::pair<double, double>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
        std::vector<Seg> e;
        for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2},
                                                                  {2, 0}, {2, 1}, {2, 1}, {2, 2}})
            cross(e, x, y);
        COMPARE_SEGS(c.segs, e);
    }

    void gapsInsideOutside()
    {
        Collect c;
        sheet::walk(params(2, 0.5, 3.2), c);
        QCOMPARE(c.labels, (std::vector<std::pair<double, double>>{{0, 0}, {0, 1.5}, {1.5, 0}, {1.5, 1.5}}));
        std::vector<Seg> e;
        for (auto [x, y] : std::vector<std::pair<double, double>>{
                 {0, 0}, {0, 1.5}, {0, 1.0}, {0, 2.5},                                  // first column
                 {1.5, 0}, {1.0, 0}, {1.5, 1.5}, {1.5, 1.0}, {1.0, 1.5}, {1.0, 1.0},    // second column
                 {1.5, 2.5}, {1.0, 2.5},                                                // its closing marks
                 {2.5, 0}, {2.5, 1.5}, {2.5, 1.0}, {2.5, 2.5}})                         // past the last column
            cross(e, x, y);
        COMPARE_SEGS(c.segs, e);
    }

    void gapsOutsideOnly()
    {
        Collect c;
        sheet::walk(params(1, 0.5, 3.2), c);
        std::vector<Seg> e;
        for (auto [x, y] : std::vector<std::pair<double, double>>{
                 {0, 0}, {0, 1.5}, {0, 1.0}, {0, 2.5},
                 {1.5, 0}, {1.0, 0},                    // inner corners get no cross
                 {1.5, 2.5}, {1.0, 2.5},
                 {2.5, 0}, {2.5, 1.5}, {2.5, 1.0}, {2.5, 2.5}})
            cross(e, x, y);
        COMPARE_SEGS(c.segs, e);
    }

    void noGapsOutsideOnly()
    {
        Collect c;
        sheet::walk(params(1, 0, 2.5), c);
        std::vector<Seg> e;
        for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 2},
                                                                  {2, 0}, {2, 1}, {2, 1}, {2, 2}})
            cross(e, x, y);
        COMPARE_SEGS(c.segs, e);
    }

    void fineLinesWithoutGaps()
    {
        Collect c;
        sheet::walk(params(3, 0, 2.5), c);
        std::vector<Seg> e;
        top(e, 0, 0, 1), side(e, 0, 0, 1), top(e, 0, 1, 1), side(e, 0, 1, 1), top(e, 0, 2, 1);
        top(e, 1, 0, 1), side(e, 1, 0, 1), top(e, 1, 1, 1), side(e, 1, 1, 1), top(e, 1, 2, 1);
        side(e, 2, 0, 1), side(e, 2, 1, 1);
        COMPARE_SEGS(c.segs, e);
    }

    void fineLinesWithGaps()
    {
        Collect c;
        sheet::walk(params(3, 0.5, 3.2), c);
        std::vector<Seg> e;
        // column 1
        top(e, 0, 0, 1), side(e, 0, 0, 1);
        top(e, 0, 1.5, 1), side(e, 0, 1.5, 1), top(e, 0, 1.0, 1), side(e, 0, 1.0, 1);
        top(e, 0, 2.5, 1);
        // column 2
        top(e, 1.5, 0, 1), side(e, 1.5, 0, 1), top(e, 1.0, 0, 1), side(e, 1.0, 0, 1);
        top(e, 1.5, 1.5, 1), side(e, 1.5, 1.5, 1), top(e, 1.5, 1.0, 1), side(e, 1.5, 1.0, 1);
        top(e, 1.0, 1.5, 1), side(e, 1.0, 1.5, 1), top(e, 1.0, 1.0, 1), side(e, 1.0, 1.0, 1);
        top(e, 1.5, 2.5, 1), top(e, 1.0, 2.5, 1);
        // past the last column
        side(e, 2.5, 0, 1);
        side(e, 2.5, 1.5, 1), side(e, 2.5, 1.0, 1);
        COMPARE_SEGS(c.segs, e);
    }

    void noneDrawsLabelsOnly()
    {
        Collect c;
        sheet::walk(params(0, 0.5, 3.2), c);
        QCOMPARE(int(c.labels.size()), 4);
        QVERIFY(c.segs.empty());
    }

    void edgesAndOversizedLabels()
    {
        // A label ending on the paper's edge fits (stock runs to the edge); a
        // thousandth of an inch less paper and it does not.
        for (const auto& [paper, columns] : {std::pair{2.0, 2}, std::pair{1.999, 1}}) {
            Collect c;
            sheet::Params p = params(2, 0, paper);
            p.SH = 10;
            sheet::walk(p, c);
            std::set<double> xs;
            for (auto [x, y] : c.labels)
                xs.insert(x);
            QCOMPARE(int(xs.size()), columns);
            QCOMPARE(*xs.rbegin(), double(columns - 1));
            QCOMPARE(sheet::countLabels(p), columns * 10LL);
        }
        // A label larger than the page: only the first position's closing cross.
        Collect big;
        sheet::Params q = params(2, 0.25, 2.5);
        q.W = q.H = 5;
        sheet::walk(q, big);
        QVERIFY(big.labels.empty());
        std::vector<Seg> e;
        cross(e, -0.25, -0.25);
        COMPARE_SEGS(big.segs, e);
        // The margins place the first label, measured from the paper's corner.
        Collect m;
        sheet::Params r = params(0, 0, 8);
        r.leftMargin = 0.5;
        r.topMargin = 0.25;
        sheet::walk(r, m);
        QCOMPARE(m.labels.front(), std::make_pair(0.5, 0.25));
    }

    void positionsOffThePageAreSkipped()
    {
        // Stepping from far off the page ends with the same visible labels and
        // marks as a walk that started at the first position near it.
        for (const int mode : {1, 2, 3}) {
            Collect near, far;
            sheet::Params p = params(mode, 0.25, 5);
            p.leftMargin = -1.25 * 2; // two whole columns left of the page
            p.topMargin = -1.25 * 3;
            sheet::walk(p, near);
            sheet::Params q = p;
            q.leftMargin = -1.25 * 2e6; // millions of columns: stepped through one by one before
            q.topMargin = -1.25 * 3e6;
            QVERIFY(sheet::walk(q, far));
            auto visible = [](const Collect& c) {
                std::vector<Seg> v;
                for (const Seg& s : c.segs)
                    if (std::max(s.x1, s.x2) >= 0 && std::max(s.y1, s.y2) >= 0)
                        v.push_back(s);
                return v;
            };
            COMPARE_SEGS(visible(far), visible(near));
            auto onPage = [](const Collect& c) {
                std::vector<std::pair<double, double>> v;
                for (auto [x, y] : c.labels)
                    if (x + 1 > 0 && y + 1 > 0)
                        v.push_back({x, y});
                return v;
            };
            QCOMPARE(onPage(far), onPage(near));
            QVERIFY(!onPage(far).empty());
        }
        // Margins of -1e30 and minus infinity end at once.
        Collect huge;
        sheet::Params p = params(2, 0, 8);
        p.leftMargin = -1e30;
        p.topMargin = -1e30;
        QVERIFY(sheet::walk(p, huge));
        QVERIFY(huge.labels.size() <= 81);
        Collect inf;
        p.leftMargin = -std::numeric_limits<double>::infinity();
        QVERIFY(sheet::walk(p, inf));
        QVERIFY(inf.labels.empty() && inf.segs.empty());
        // A label of no height with a row gap: the closing row used to stand still.
        Collect flat;
        sheet::Params f = params(2, 0.5, 2);
        f.H = 0;
        QVERIFY(sheet::walk(f, flat));
    }

    void sheetsOfMoreThanTenThousandLabelsAreRefused()
    {
        // 100 x 100 labels of 0.08 inch on an 8 x 8 inch page is the most allowed.
        Collect ok;
        sheet::Params p = params(2, 0, 8.0001);
        p.W = p.H = 0.08;
        QCOMPARE(sheet::plan(p).labels, 10000.0);
        QVERIFY(sheet::walk(p, ok));
        QCOMPARE(int(ok.labels.size()), 10000);
        // Labels of one twip: refused without drawing anything.
        Collect tiny;
        p.W = p.H = 1 / 1440.0;
        QVERIFY(sheet::plan(p).tooBig());
        QVERIFY(!sheet::walk(p, tiny));
        QVERIFY(tiny.labels.empty() && tiny.segs.empty());
        // Spacing of nearly minus the label size: a step of a millionth of an inch.
        Collect creep;
        sheet::Params c = params(2, -0.999999, 8);
        QVERIFY(!sheet::walk(c, creep));
        QVERIFY(creep.labels.empty() && creep.segs.empty());
        // So are column positions without any label that fits (labels too tall).
        sheet::Params t = params(2, 0, 8);
        t.W = 1e-6;
        t.H = 20;
        QVERIFY(sheet::plan(t).tooBig());
    }
};

QTEST_GUILESS_MAIN(tst_Sheet)
#include "tst_sheet.moc"
