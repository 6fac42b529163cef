// libFuzzer target: any bytes as a label file, through the record reader and
// the document loader. Must never crash, hang or read past the end.
#include <QGuiApplication>
#include <QTemporaryFile>
#include <cstdint>

#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ScriptedPlatform.h"

namespace {
class Measurer : public TextMeasurer {
public:
    QSizeF measure(const QString& text, const FontSpec&) const override { return QSizeF(text.size() * 90.0, 200); }
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

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CKM_Header::ParsedLabel parsed = CKM_Header::parse(bytes);
    if (parsed.failure == CKM_Header::ParsedLabel::None && parsed.header.graphicCount >= 0 &&
        size_t(parsed.graphics.size()) != size_t(parsed.header.graphicCount))
        __builtin_trap();

    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        return 0;
    file.resize(0);
    file.seek(0);
    file.write(bytes);
    file.flush();
    ProgramValues values;
    ScriptedPlatform platform;
    Measurer measurer;
    LabelDocument doc(values, platform, measurer);
    doc.LoadFile(file.fileName());
    return 0;
}
