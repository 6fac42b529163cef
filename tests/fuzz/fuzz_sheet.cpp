// libFuzzer target: any bytes as a label file, loaded with real font metrics,
// then a whole sheet walked and drawn onto a counting surface. Must never
// crash, hang or draw without end.
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "document/LabelDocument.h"
#include "document/LabelPainter.h"
#include "document/TextMeasure.h"
#include "platform/ScriptedPlatform.h"
#include "printing/DrawingSurface.h"
#include "printing/PrintJob.h"

namespace {

// Counts what would be drawn and measures text as a 600 dpi printer would.
class CountingSurface : public DrawingSurface {
public:
    long long calls = 0;
    bool isPrinter() const override { return true; }
    double scaleWidth() const override { return 8.5; }
    double scaleHeight() const override { return 11; }
    void line(double, double, double, double, ColorValue) override { tick(); }
    void paintPicture(const QImage&, double, double, double, double) override { tick(); }
    void drawLabel(const LabelContent& label, double, double) override
    {
        tick();
        // The first label is really painted, small: the painter must cope with any file.
        if (m_painted)
            return;
        m_painted = true;
        QImage img(96, 96, QImage::Format_RGB32);
        QPainter p(&img);
        p.scale(96.0 / std::max(1.0, label.surface().width()), 96.0 / std::max(1.0, label.surface().height()));
        labelpaint::paint(p, label);
    }
    void setFontName(const QString& n) override { m_font.setFamily(n); }
    void setFontSize(double s) override { m_font.setPointSizeF(s > 0 && s < 4000 ? s : 1); }
    void setForeColor(ColorValue) override {}
    void setDrawWidth(double) override {}
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    double textWidth(const QString& t) override { return QFontMetricsF(m_font).horizontalAdvance(t) / 96.0; }
    double textHeight(const QString&) override { return QFontMetricsF(m_font).height() / 96.0; }
    void print(const QString&) override
    {
        tick();
        m_y += QFontMetricsF(m_font).height() / 96.0;
        m_x = 0;
    }
    void newPage() override { tick(); }
    void endDoc() override { tick(); }

private:
    void tick()
    {
        // A sheet is refused beyond 10,000 labels; far more calls means a runaway walk.
        if (++calls > 50'000'000)
            __builtin_trap();
    }
    QFont m_font{"Liberation Sans", 10};
    double m_x = 0, m_y = 0;
    bool m_painted = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.flush();

    ProgramValues values;
    ScriptedPlatform platform;
    QtTextMeasurer measurer;
    LabelDocument doc(values, platform, measurer);
    doc.saveFileName = doc.saveTitle = file.fileName();
    doc.LoadFile(file.fileName());
    doc.setCutmarks(int16_t(size ? data[size - 1] % 4 : 2));
    // The sheet spacing comes from the settings; let the file's own values drive it.
    printjob::Request request = printjob::request(doc, values);
    request.columnSpace = doc.getColumnSpace();
    request.rowSpace = doc.getRowSpace();
    CountingSurface surface;
    printjob::printLabels(request, surface, platform);
    return 0;
}
