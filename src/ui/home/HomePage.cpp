#include "ui/home/HomePage.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLineEdit>

#include "core/workbook/Clock.h"
#include "core/files/ContentFolder.h"
#include "core/home/RecordFigures.h"
#include "core/home/WorkbookFigures.h"
#include "core/record/RecordDatabase.h"
#include "core/search/RecordSearch.h"
#include "core/search/SearchService.h"
#include "ui/home/HomeDashboard.h"
#include "ui/home/HomePrintWindow.h"
#include "ui/home/SearchWindow.h"

namespace {

const QString todoPrefix = QStringLiteral("todo row ");
const QString todoFile = QStringLiteral("TODOActv.FIL");

} // namespace

HomePage::HomePage(QWidget *page, QWidget *startScreen) : QObject(page), m_startScreen(startScreen)
{
    dashboard = new HomeDashboard(page);
    connect(dashboard, &HomeDashboard::placeChosen, this, &HomePage::choose);
    connect(dashboard, &HomeDashboard::printRequested, this, &HomePage::openPrint);
}

HomePage::~HomePage() = default;

SearchWindow *HomePage::searchWindow() const
{
    return m_searchWindow;
}

HomePrintWindow *HomePage::printWindow() const
{
    return m_printWindow;
}

void HomePage::start(const QString &workbookFolder)
{
    m_folder = QDir(workbookFolder).absolutePath();
    const auto today = [] { return Clock::current().now().date(); };
    WorkbookFigures::addTo(m_model, m_folder, today);
    RecordFigures::addTo(m_model, [] { return RecordDatabase::current(); }, today);
    QString content = ContentFolder::path();
    if (content.isEmpty())
        content = QDir::currentPath();
    m_search =
        std::make_unique<SearchService>(WorkbookSearch::sources(QDir(content).absolutePath(), m_folder));
    dashboard->showFigures(m_model.refresh());
    // What the build reads is what the stamps say; a file saved later differs from them.
    m_stamps = stamps();
    m_search->startBuild();
    takeInRecord();
    // Every save replaces its file by renaming a new one into the folder, which the folder's watch sees.
    m_watcher = new QFileSystemWatcher({m_folder}, this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &HomePage::takeInSaved);
}

void HomePage::refresh()
{
    dashboard->showFigures(m_model.refresh());
    takeInSaved();
    takeInRecord();
}

void HomePage::takeInRecord()
{
    if (!m_search)
        return;
    // The record's connection belongs to this thread, so its part of the index is read here.
    RecordDatabase *record = RecordDatabase::current();
    m_search->replaceAll(QString::fromLatin1(RecordSearch::decisionPrefix), RecordSearch::decisions(record));
    m_search->replaceAll(QString::fromLatin1(RecordSearch::riskPrefix), RecordSearch::risks(record));
}

QHash<QString, std::pair<qint64, QDateTime>> HomePage::stamps() const
{
    QHash<QString, std::pair<qint64, QDateTime>> found;
    const QDir folder(m_folder);
    for (const QString &name : WorkbookSearch::entryFileNames() + QStringList{todoFile}) {
        const QFileInfo file(folder.filePath(name));
        if (file.exists())
            found.insert(name, {file.size(), file.lastModified()});
    }
    return found;
}

void HomePage::takeInSaved()
{
    if (!m_search)
        return;
    const auto now = stamps();
    QStringList changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (m_stamps.value(it.key()) != it.value())
            changed.append(it.key());
    for (auto it = m_stamps.cbegin(); it != m_stamps.cend(); ++it)
        if (!now.contains(it.key()))
            changed.append(it.key());
    m_stamps = now;
    for (const QString &name : std::as_const(changed)) {
        if (name == todoFile) {
            m_search->replaceAll(todoPrefix, WorkbookSearch::todoRows(m_folder));
            continue;
        }
        QList<SearchDocument> entry = WorkbookSearch::entry(m_folder, name);
        m_search->put(entry);
    }
}

void HomePage::openSearch()
{
    if (!m_search)
        return;
    if (!m_searchWindow) {
        m_searchWindow = new SearchWindow(*m_search, m_startScreen);
        connect(m_searchWindow, &SearchWindow::openRequested, this, [this](const Place &place) {
            m_searchWindow->hide();
            choose(place);
        });
    }
    m_searchWindow->show();
    m_searchWindow->raise();
    m_searchWindow->activateWindow();
    m_searchWindow->searchText->setFocus();
    m_searchWindow->searchText->selectAll();
}

void HomePage::openPrint()
{
    delete m_printWindow;
    m_printWindow = new HomePrintWindow(m_model.refresh(), m_startScreen);
    m_printWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_printWindow->show();
}

void HomePage::choose(const Place &place)
{
    if (openPlace)
        openPlace(place);
}
