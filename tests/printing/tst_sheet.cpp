// The sheet's plan: every label rectangle and cut-mark segment, in drawing order.
#include <QtTest>
#include <limits>

#include "printing/SheetLayout.h"

namespace {

// A label "L(x,y,w,h)" or a segment "m(x1,y1,x2,y2)", to a millionth of an inch.
QString drawn(char kind, double a, double b, double c, double d)
{
    auto n = [](double v) { return QString::number(std::round(v * 1e6) / 1e6 + 0.0, 'g', 15); };
    return QString("%1(%2,%3,%4,%5)").arg(kind).arg(n(a), n(b), n(c), n(d));
}
QString drawn(const QRectF& r) { return drawn('L', r.x(), r.y(), r.width(), r.height()); }

// By hand from the mark rules: "L" a label, "E" an empty position, "+" a cross, "-" a top line,
// "|" a side line, each 0.1 in beyond its point or the label's edge.
QString expected(const QString& layout, double W, double H, char wanted)
{
    QStringList v;
    for (const QString& t : layout.split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = t.mid(1).split(',');
        const double x = xy.at(0).toDouble(), y = xy.at(1).toDouble(), m = 0.1;
        const char k = t.at(0).toLatin1();
        if ((k == 'E') != (wanted == 'E'))
            continue;
        if (k == 'L' || k == 'E')
            v << drawn('L', x, y, W, H);
        if (k == '+' || k == '-')
            v << drawn('m', x - m, y, x + (k == '-' ? W : 0) + m, y);
        if (k == '+' || k == '|')
            v << drawn('m', x, y - m, x, y + (k == '|' ? H : 0) + m);
    }
    return v.join(' ');
}

sheet::Params params(int16_t mode, double gap, double page, double size = 1)
{
    return {.W = size, .H = size, .C = gap, .R = gap, .SW = page, .SH = page, .cutmarks = mode};
}

// What the plan draws; only what shows on the paper when visible (a label's corner past -1, a mark reaching 0).
QStringList drawn(const sheet::Plan& plan, bool visible = false)
{
    QStringList v;
    plan.draw(
        [&](const QRectF& r) {
            if (!visible || (r.x() > -1 && r.y() > -1))
                v << drawn(r);
        },
        [&](const QLineF& l) {
            if (!visible || (std::max(l.x1(), l.x2()) >= 0 && std::max(l.y1(), l.y2()) >= 0))
                v << drawn('m', l.x1(), l.y1(), l.x2(), l.y2());
        });
    return v;
}

} // namespace

Q_DECLARE_METATYPE(sheet::Params)

class tst_Sheet : public QObject {
    Q_OBJECT
private slots:
    // Labels of 1 x 1 in unless said; marks follow each label's corner and
    // close each column below and the sheet on the right.
    void plan_data()
    {
        QTest::addColumn<sheet::Params>("p");
        QTest::addColumn<QString>("want");
        QTest::newRow("inside/outside") << params(2, 0, 2.5)
            << "L0,0 +0,0 L0,1 +0,1 +0,2 L1,0 +1,0 L1,1 +1,1 +1,2 +2,0 +2,1 +2,1 +2,2";
        QTest::newRow("inside/outside, gaps") << params(2, 0.5, 3.2)
            << "L0,0 +0,0 L0,1.5 +0,1.5 +0,1 +0,2.5 L1.5,0 +1.5,0 +1,0 L1.5,1.5 +1.5,1.5 +1.5,1 +1,1.5 +1,1 "
               "+1.5,2.5 +1,2.5 +2.5,0 +2.5,1.5 +2.5,1 +2.5,2.5";
        QTest::newRow("outside only") << params(1, 0, 2.5)
            << "L0,0 +0,0 L0,1 +0,1 +0,2 L1,0 +1,0 L1,1 +1,2 +2,0 +2,1 +2,1 +2,2";
        QTest::newRow("outside only, gaps") << params(1, 0.5, 3.2)
            << "L0,0 +0,0 L0,1.5 +0,1.5 +0,1 +0,2.5 L1.5,0 +1.5,0 +1,0 L1.5,1.5 +1.5,2.5 +1,2.5 "
               "+2.5,0 +2.5,1.5 +2.5,1 +2.5,2.5";
        QTest::newRow("fine lines") << params(3, 0, 2.5)
            << "L0,0 -0,0 |0,0 L0,1 -0,1 |0,1 -0,2 L1,0 -1,0 |1,0 L1,1 -1,1 |1,1 -1,2 |2,0 |2,1";
        QTest::newRow("fine lines, gaps") << params(3, 0.5, 3.2)
            << "L0,0 -0,0 |0,0 L0,1.5 -0,1.5 |0,1.5 -0,1 |0,1 -0,2.5 "
               "L1.5,0 -1.5,0 |1.5,0 -1,0 |1,0 L1.5,1.5 -1.5,1.5 |1.5,1.5 -1.5,1 |1.5,1 -1,1.5 |1,1.5 -1,1 |1,1 "
               "-1.5,2.5 -1,2.5 |2.5,0 |2.5,1.5 |2.5,1";
        QTest::newRow("none") << params(0, 0.5, 3.2) << "L0,0 L0,1.5 L1.5,0 L1.5,1.5";
        // Only the first position's closing cross.
        QTest::newRow("label larger than the paper") << params(2, 0.25, 2.5, 5) << "+-0.25,-0.25";
        // A label ending on the paper's edge fits; a thousandth of an inch less paper and it does not.
        QTest::newRow("to the edge") << params(0, 0, 2) << "L0,0 L0,1 L1,0 L1,1";
        QTest::newRow("past the edge") << params(0, 0, 1.999) << "L0,0";
        QTest::newRow("margins from the corner")
            << sheet::Params{.W = 1, .H = 1, .leftMargin = 0.5, .topMargin = 0.25, .SW = 2.6, .SH = 2.6, .cutmarks = 0}
            << "L0.5,0.25 L0.5,1.25 L1.5,0.25 L1.5,1.25";
        // Positions left empty keep none of their own marks; the marks they
        // share with printed labels stay, and each printed label keeps all of its.
        auto skip = [](sheet::Params p, int n) { p.skipLabels = n; return p; };
        QTest::newRow("start at 2") << skip(params(2, 0, 2.5), 1)
            << "E0,0 L0,1 +0,1 +0,2 L1,0 +1,0 L1,1 +1,1 +1,2 +2,0 +2,1 +2,1 +2,2";
        QTest::newRow("start at 3, gaps") << skip(params(2, 0.5, 3.2), 2)
            << "E0,0 E0,1.5 L1.5,0 +1.5,0 L1.5,1.5 +1.5,1.5 +1.5,1 +1.5,2.5 +2.5,0 +2.5,1.5 +2.5,1 +2.5,2.5";
        QTest::newRow("outside only, start at 3") << skip(params(1, 0.5, 3.2), 2)
            << "E0,0 E0,1.5 L1.5,0 +1.5,0 L1.5,1.5 +1.5,2.5 +2.5,0 +2.5,1.5 +2.5,1 +2.5,2.5";
        QTest::newRow("outside only, start at 2") << skip(params(1, 0, 2.5), 1)
            << "E0,0 L0,1 +0,1 +0,2 L1,0 +1,0 L1,1 +1,2 +2,0 +2,1 +2,1 +2,2";
        QTest::newRow("fine lines, start at 2") << skip(params(3, 0, 2.5), 1)
            << "E0,0 L0,1 -0,1 |0,1 -0,2 L1,0 -1,0 |1,0 L1,1 -1,1 |1,1 -1,2 |2,0 |2,1";
        QTest::newRow("fine lines, start at 4, gaps") << skip(params(3, 0.5, 3.2), 3)
            << "E0,0 E0,1.5 E1.5,0 L1.5,1.5 -1.5,1.5 |1.5,1.5 -1.5,2.5 |2.5,1.5";
    }
    void plan()
    {
        QFETCH(sheet::Params, p);
        QFETCH(QString, want);
        const sheet::Plan plan = sheet::plan(p);
        QVERIFY(!plan.tooBig);
        const QString got = drawn(plan).join(' '), e = expected(want, p.W, p.H, 'L');
        QVERIFY2(got == e, qPrintable("got  " + got + "\nwant " + e));
        QStringList empty;
        for (const QRectF& r : plan.empty)
            empty << drawn(r);
        QCOMPARE(empty.join(' '), expected(want, p.W, p.H, 'E'));
        QCOMPARE(sheet::countLabels(p), (long long)(plan.labels.size() + plan.empty.size()));
    }

    void positionsOffThePageAreSkipped()
    {
        // Millions of columns off the page end with the same visible labels and
        // marks as two columns off it.
        for (const int mode : {1, 2, 3}) {
            auto off = [&](double columns, double rows) {
                return sheet::Params{.W = 1, .H = 1, .leftMargin = -1.25 * columns, .topMargin = -1.25 * rows,
                                     .C = 0.25, .R = 0.25, .SW = 5, .SH = 5, .cutmarks = int16_t(mode)};
            };
            const QStringList near = drawn(sheet::plan(off(2, 3)), true);
            QVERIFY(near.size() > 4);
            QCOMPARE(drawn(sheet::plan(off(2e6, 3e6)), true), near);
        }
        // Margins of -1e30 and minus infinity end at once; so does a label of no
        // height with a row gap, whose closing row used to stand still.
        sheet::Params p = params(2, 0, 8);
        p.leftMargin = p.topMargin = -1e30;
        QVERIFY(sheet::plan(p).labels.size() <= 81);
        p.leftMargin = -std::numeric_limits<double>::infinity();
        QVERIFY(drawn(sheet::plan(p)).empty());
        QVERIFY(!sheet::plan({.W = 1, .H = 0, .C = 0.5, .R = 0.5, .SW = 2, .SH = 2, .cutmarks = 2}).tooBig);
    }

    void sheetsOfMoreThanTenThousandLabelsAreRefused()
    {
        // 100 x 100 labels of 0.08 inch on an 8 x 8 inch page is the most allowed.
        sheet::Params p = params(2, 0, 8.0001, 0.08);
        QCOMPARE(int(sheet::plan(p).labels.size()), 10000);
        QCOMPARE(sheet::countLabels(p), 10000LL);
        // Labels of one twip, a step of a millionth of an inch, or column
        // positions without any label that fits: refused, nothing planned.
        const sheet::Params tall{.W = 1e-6, .H = 20, .SW = 8, .SH = 8};
        for (const sheet::Params& q : {params(2, 0, 8.0001, 1 / 1440.0), params(2, -0.999999, 8), tall}) {
            const sheet::Plan plan = sheet::plan(q);
            QVERIFY(plan.tooBig);
            QVERIFY(plan.labels.empty() && plan.marks.empty());
            QCOMPARE(sheet::countLabels(q), -1LL);
        }
    }
};

QTEST_GUILESS_MAIN(tst_Sheet)
#include "tst_sheet.moc"
