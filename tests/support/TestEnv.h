#pragma once
// What the tests share: a private program-wide state, a scripted platform and
// an in-memory settings store, with working folders under a temporary folder.
#include <QDir>
#include <QTemporaryDir>

#include "app/AppContext.h"
#include "document/TextMeasure.h"
#include "platform/ScriptedPlatform.h"
#include "platform/SettingsStore.h"

// Every character is 100 twips wide and a line is 200 twips high: exact
// numbers for layout rules.
class FixedMeasurer : public TextMeasurer {
public:
    QSizeF measure(const QString& text, const FontSpec&) const override
    {
        const QStringList lines = textlayout::splitLines(text);
        double w = 0;
        for (const QString& l : lines)
            w = std::max<double>(w, l.size() * 100.0);
        return QSizeF(w, lines.size() * 200.0);
    }
};

struct TestEnv {
    QTemporaryDir tmp;
    ProgramValues values;
    ScriptedPlatform platform;
    MemorySettingsStore store;
    FixedMeasurer fixed;
    QtTextMeasurer real;
    AppContext ctx;

    explicit TestEnv(bool realMeasurer = false)
        : ctx{values, platform, store, realMeasurer ? static_cast<const TextMeasurer&>(real) : fixed, AppPaths{}}
    {
        ctx.paths.dataDir = QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR);
        ctx.paths.helpDir = QStringLiteral(CORKCRAFTER_BUILD_HELP_DIR);
        ctx.paths.workBase = tmp.path() + "/Corkcrafter";
        for (const char* sub : {"/Labels", "/Graphics", "/Template"})
            QDir().mkpath(ctx.paths.workBase + sub);
        values.labelFolder = ctx.paths.workBase + "/Labels";
        values.graphicsFolder = ctx.paths.workBase + "/Graphics";
        values.templateFolder = ctx.paths.workBase + "/Template";
    }
    QString path(const QString& rel) const { return tmp.path() + "/" + rel; }
};
