#pragma once
// The help window: the user manual (a Qt compressed help file) with its
// contents, index and full-text search beside the page shown.
#include <QMainWindow>
#include <QPointer>

#include "platform/Platform.h"

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

class frmHelp : public QMainWindow {
    Q_OBJECT
public:
    // The help viewer's entry: opens (or brings up) the one help window on the
    // help file and does what the command asks. A missing or unreadable help
    // file is told through the platform, and no window opens.
    static bool display(Platform& platform, const QString& helpFile, HelpCommand command, int data);
    // The help window when one is open.
    static frmHelp* instance();
    // Where the help window keeps its collection and search index (a cache:
    // the help file itself may sit in a read-only folder).
    static QString collectionFile();

    QTextBrowser* browser() const { return m_browser; }
    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* indexFilter() const { return m_indexFilter; }
    QHelpEngine* engine() const { return m_engine; }
    QString helpFile() const { return m_helpFile; }
    // The page of the manual by file name ("index.html").
    void showPage(const QString& page);
    QUrl pageUrl(const QString& page) const;

private:
    frmHelp(const QString& helpFile, const QString& nameSpace, QHelpEngine* engine);
    void showUrl(const QUrl& url);

    QString m_helpFile;
    QString m_namespace;
    QHelpEngine* m_engine;
    QTabWidget* m_tabs;
    QTextBrowser* m_browser;
    QLineEdit* m_indexFilter;
};
