#include "frmHelp.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Module1.h"
#include "app/ShowHelp.h"
#include "app/Icons.h"

namespace {

QPointer<frmHelp> theWindow;

// Pages come out of the help file; links leaving it go to the desktop's browser.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), m_engine(engine) {}
    QVariant loadResource(int type, const QUrl& url) override
    {
        if (url.scheme() == "qthelp")
            return m_engine->fileData(url);
        return QTextBrowser::loadResource(type, url);
    }

protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType type) override
    {
        if (url.scheme() == "http" || url.scheme() == "https" || url.scheme() == "mailto") {
            QDesktopServices::openUrl(url);
            return;
        }
        QTextBrowser::doSetSource(url, type);
    }

private:
    QHelpEngine* m_engine;
};

} // namespace

QString frmHelp::collectionFile()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + "/help/Corkcrafter2.qhc";
}

frmHelp* frmHelp::instance() { return theWindow; }

namespace {

// Opens the collection with the help file registered under its present path;
// the problem when it cannot be opened.
QString openCollection(const QString& collection, const QString& helpFile, const QString& ns, QHelpEngine*& engine)
{
    engine = nullptr;
    {
        // The collection names the help file by its path: a help file that
        // moved, or another build's, is registered afresh.
        QHelpEngineCore core(collection);
        core.setReadOnly(false); // the collection is ours, in the cache
        if (!core.setupData())
            return core.error();
        if (core.documentationFileName(ns) != helpFile) {
            core.unregisterDocumentation(ns);
            if (!core.registerDocumentation(helpFile))
                return core.error();
        }
    }
    auto* e = new QHelpEngine(collection);
    e->setReadOnly(false); // the search index is written beside it
    if (!e->setupData()) {
        const QString problem = e->error();
        delete e;
        return problem;
    }
    engine = e;
    return {};
}

// Removes a collection and its search index so they can be made afresh. Only
// what the help window itself would have made there is touched.
void removeCollection(const QString& collection)
{
    const QFileInfo fi(collection);
    if (fi.isFile() || fi.isSymLink())
        QFile::remove(collection);
    QDir(fi.absolutePath() + "/." + fi.completeBaseName()).removeRecursively();
}

} // namespace

bool frmHelp::display(Platform& platform, const QString& helpFile, HelpCommand command, int data)
{
    if (!Module1::fileExists(helpFile)) {
        // A topic by number always follows the default topic, which has told already.
        if (command == HelpCommand::HelpContext)
            return false;
        platform.message(tr("The help file \"%1\" is missing, so help cannot be shown.\n"
                            "Installing Corkcrafter again puts it back.")
                             .arg(helpFile),
                         MsgIcon::Exclamation);
        return false;
    }
    if (theWindow && theWindow->m_helpFile != helpFile)
        delete theWindow;
    if (!theWindow) {
        const QString ns = QHelpEngineCore::namespaceName(helpFile);
        QString problem;
        QHelpEngine* engine = nullptr;
        if (ns.isEmpty()) {
            problem = QFileInfo(helpFile).isReadable() ? tr("it is not a help file") : tr("it cannot be read");
        } else {
            // The collection in the cache is only a copy of what the help file
            // says: one that cannot be opened (damaged, left half written) is
            // made again, and when the cache cannot hold one, a collection for
            // this run only will do. Only a help file that even a new
            // collection refuses is the help file's fault.
            const QString collection = collectionFile();
            QDir().mkpath(QFileInfo(collection).absolutePath());
            problem = openCollection(collection, helpFile, ns, engine);
            if (!problem.isEmpty()) {
                removeCollection(collection);
                problem = openCollection(collection, helpFile, ns, engine);
            }
            if (!problem.isEmpty()) {
                static QTemporaryDir runOnly;
                if (runOnly.isValid())
                    problem = openCollection(runOnly.filePath("Corkcrafter2.qhc"), helpFile, ns, engine);
            }
        }
        if (!problem.isEmpty()) {
            platform.message(tr("The help file \"%1\" could not be opened: %2").arg(helpFile, problem),
                             MsgIcon::Exclamation);
            return false;
        }
        theWindow = new frmHelp(helpFile, ns, engine);
    }
    frmHelp* w = theWindow;
    switch (command) {
    case HelpCommand::DisplayTopic:
        w->m_tabs->setCurrentIndex(0);
        w->showPage(ShowHelp::defaultTopic());
        break;
    case HelpCommand::HelpContext: {
        const QString page = ShowHelp::pageForContext(data);
        if (!page.isEmpty())
            w->showPage(page);
        break;
    }
    case HelpCommand::DisplayIndex:
        w->m_tabs->setCurrentIndex(1);
        w->m_indexFilter->setFocus();
        break;
    case HelpCommand::DisplaySearch:
        w->m_tabs->setCurrentIndex(2);
        w->m_engine->searchEngine()->queryWidget()->setSearchInput(QString());
        w->m_engine->searchEngine()->queryWidget()->setFocus();
        break;
    }
    if (w->isMinimized())
        w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
    return true;
}

frmHelp::frmHelp(const QString& helpFile, const QString& nameSpace, QHelpEngine* engine)
    : QMainWindow(nullptr), m_helpFile(helpFile), m_namespace(nameSpace), m_engine(engine)
{
    setObjectName("frmHelp");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Corkcrafter 2 Help"));
    setWindowIcon(programIcon());
    engine->setParent(this);
    resize(900, 640);

    m_browser = new HelpBrowser(engine, this);
    m_browser->setObjectName("helpPage");
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        setWindowTitle(m_browser->documentTitle().isEmpty() ? tr("Corkcrafter 2 Help")
                                                            : tr("%1 - Corkcrafter 2 Help").arg(m_browser->documentTitle()));
        const QModelIndex i = m_engine->contentWidget()->indexOf(url);
        if (i.isValid())
            m_engine->contentWidget()->setCurrentIndex(i);
    });

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("helpTabs");

    QHelpContentWidget* contents = engine->contentWidget();
    contents->setObjectName("helpContents");
    m_tabs->addTab(contents, tr("&Contents"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &frmHelp::showUrl);
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, contents, &QTreeView::expandAll);

    auto* indexPage = new QWidget(this);
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* look = new QLabel(tr("&Look for:"), indexPage);
    m_indexFilter = new QLineEdit(indexPage);
    m_indexFilter->setObjectName("helpIndexFilter");
    look->setBuddy(m_indexFilter);
    QHelpIndexWidget* index = engine->indexWidget();
    index->setObjectName("helpIndex");
    indexLayout->addWidget(look);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(index, 1);
    m_tabs->addTab(indexPage, tr("&Index"));
    connect(m_indexFilter, &QLineEdit::textChanged, index, [index](const QString& t) { index->filterIndices(t, QString()); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this, [this](const QHelpLink& l, const QString&) { showUrl(l.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink>& ls, const QString&) {
        if (!ls.isEmpty())
            showUrl(ls.first().url);
    });

    QHelpSearchEngine* search = engine->searchEngine();
    auto* searchPage = new QWidget(this);
    auto* searchLayout = new QVBoxLayout(searchPage);
    search->queryWidget()->setObjectName("helpSearchQuery");
    search->resultWidget()->setObjectName("helpSearchResults");
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    m_tabs->addTab(searchPage, tr("&Search"));
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &frmHelp::showUrl);
    // The index of the words is made afresh once a run, so it always matches
    // the help file installed.
    search->reindexDocumentation();

    auto* split = new QSplitter(this);
    split->addWidget(m_tabs);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});
    setCentralWidget(split);
}

QUrl frmHelp::pageUrl(const QString& page) const { return QUrl("qthelp://" + m_namespace + "/doc/" + page); }

void frmHelp::showPage(const QString& page) { showUrl(pageUrl(page)); }

void frmHelp::showUrl(const QUrl& url) { m_browser->setSource(url); }
