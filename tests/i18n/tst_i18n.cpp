// The program in German and French: the main window, the dialogs and the
// preview show translated texts, Qt's own buttons too, and the .ts files hold
// exactly the texts the sources ask for, every one translated.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include "app/Startup.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTextInput.h"
#include "printing/frmPreview.h"
#include "support/MainWindowFixture.h"

namespace {

// Every text a window shows: captions, menu items, tips, tab and box titles.
QStringList shownTexts(QWidget* w)
{
    QStringList t{w->windowTitle()};
    for (QAction* a : w->findChildren<QAction*>())
        if (!a->isSeparator() && a->isVisible())
            t << a->text() << a->toolTip();
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        t << b->text();
    for (QLabel* l : w->findChildren<QLabel*>())
        t << l->text();
    for (QGroupBox* g : w->findChildren<QGroupBox*>())
        t << g->title();
    for (QTabWidget* tabs : w->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            t << tabs->tabText(i);
    for (QToolBar* bar : w->findChildren<QToolBar*>())
        t << bar->windowTitle();
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
        t << e->placeholderText();
    return t;
}

// The windows of one scenario, built in the language installed now.
QList<QStringList> windowsTexts()
{
    QList<QStringList> all;
    MainWithLabel f;
    all << shownTexts(&f.m);
    frmTextInput text(f.env.ctx, &f.m);
    frmAbout about(f.env.ctx, &f.m);
    frmOptions options(f.env.ctx, f.doc(), f.m.printer(), &f.m);
    all << shownTexts(&text) << shownTexts(&about) << shownTexts(&options);
    f.action("mnuFilePrintPreview")->trigger();
    auto* preview = f.m.findChild<frmPreview*>("frmPreview");
    all << (preview ? shownTexts(preview) : QStringList{"no preview"});
    if (preview)
        preview->close();
    QDialogButtonBox qtOwn(QDialogButtonBox::Cancel);
    all << QStringList{qtOwn.button(QDialogButtonBox::Cancel)->text()};
    return all;
}

// Texts that are words of the language too, or not words at all.
bool sameInBoth(const QString& english)
{
    static const QSet<QString> common{"OK", "Text", "Status", "Oval", "Options", "Description", "Portrait",
                                      "Rectangle", "Version", "mm"};
    const QString plain = QString(english).remove('&').trimmed();
    if (plain.isEmpty() || english.startsWith("Corkcrafter") || english.startsWith("Copyright") ||
        english.startsWith("Version ") || !plain.contains(QRegularExpression("[A-Za-z]{2}")))
        return true;
    return common.contains(plain);
}

} // namespace

class tst_I18n : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        installTranslations(QLocale(QLocale::English));
        QLocale::setDefault(QLocale::c());
    }

    void windowsAreTranslated_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }

    // Each window is built once in English and once in the language; the
    // same widgets in the same order, no text left as it was.
    void windowsAreTranslated()
    {
        QFETCH(QString, lang);
        QVERIFY(!installTranslations(QLocale(QLocale::English)));
        const QList<QStringList> english = windowsTexts();
        // As a start under LANG=de_DE.UTF-8 would: the language and the
        // locale's dates and numbers.
        QVERIFY2(installTranslations(QLocale(lang)), "no built-in translation");
        QLocale::setDefault(QLocale(lang));
        const QList<QStringList> translated = windowsTexts();
        QCOMPARE(translated.size(), english.size());
        QStringList untranslated;
        for (int w = 0; w < english.size(); ++w) {
            QCOMPARE(translated[w].size(), english[w].size());
            for (int i = 0; i < english[w].size(); ++i)
                if (translated[w][i] == english[w][i] && !sameInBoth(english[w][i]))
                    untranslated << english[w][i];
        }
        untranslated.removeDuplicates();
        QVERIFY2(untranslated.isEmpty(), qPrintable("left in English: " + untranslated.join(" | ")));
        // Spot checks that the right language came, the program's and Qt's.
        QVERIFY2(translated[0].contains(lang == "de" ? "&Datei" : "&Fichier"), "the File menu is not in the language");
        QCOMPARE(QString(translated.last().first()).remove('&'), lang == "de" ? QString("Abbrechen") : QString("Annuler"));
    }

    // lupdate over the sources into a copy of each .ts file: a text added to
    // the sources comes up unfinished, one taken away vanishes; either way
    // the copy differs from the file as kept.
    void translationFilesMatchSources()
    {
        const QString lupdate = QStringLiteral(CORK_LUPDATE);
        if (!QFileInfo(lupdate).isExecutable())
            QSKIP("lupdate is not installed (Debian: qt6-l10n-tools)");
        QTemporaryDir tmp;
        for (const char* lang : {"de", "fr"}) {
            const QString kept = QString(CORK_TRANSLATIONS "/corkcrafter_%1.ts").arg(lang);
            const QString copy = tmp.filePath(QFileInfo(kept).fileName());
            QVERIFY(QFile::copy(kept, copy));
            QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(lupdate, {"-no-obsolete", "-locations", "none", CORK_SOURCES, "-ts", copy});
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
            const QByteArray before = fileBytes(kept), after = fileBytes(copy);
            QVERIFY(!before.isEmpty());
            QVERIFY2(!before.contains("type=\"unfinished\""), qPrintable(kept + " has untranslated entries"));
            QVERIFY2(before == after,
                     qPrintable(kept + " does not match the sources (run the update_translations target "
                                       "and translate what it adds): " + QString::fromUtf8(p.readAll())));
        }
    }
};

QTEST_MAIN(tst_I18n)
#include "tst_i18n.moc"
