#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/home/DashboardModel.h"

class HomeDashboard;
class QFileSystemWatcher;
class HomePrintWindow;
class SearchService;
class SearchWindow;
class QWidget;

// What the start screen's Home page adds: the figures of where the organisation stands, refreshed
// when an area or a register closes, and the search across everything, built in the background once the
// workbook is open and kept up to date as the workbook's entries, to-do list, decisions and risks change.
class HomePage : public QObject
{
    Q_OBJECT

public:
    HomePage(QWidget *page, QWidget *startScreen);
    ~HomePage() override;

    HomeDashboard *dashboard = nullptr;

    // Goes to a place: the start screen runs the place's area window and takes it there.
    std::function<void(const Place &place)> openPlace;

    // Sets the sources over the workbook folder, shows the figures and starts building the index.
    void start(const QString &workbookFolder);
    // Reads the figures again and takes in what was saved since.
    void refresh();
    // Takes the entries and the to-do list saved since into the index.
    void takeInSaved();
    // Reads the decisions and the risks into the index again.
    void takeInRecord();
    // Opens the print preview of the figures (a fresh one each time).
    void openPrint();
    // Opens the search window (once made, the same one), with the focus in its text.
    void openSearch();

    DashboardModel &model() { return m_model; }
    SearchService *search() const { return m_search.get(); }
    SearchWindow *searchWindow() const;
    HomePrintWindow *printWindow() const;
    const QString &workbookFolder() const { return m_folder; }

private:
    void choose(const Place &place);
    // Size and time of change of the entries and the to-do list, to tell which were saved.
    QHash<QString, std::pair<qint64, QDateTime>> stamps() const;

    QWidget *m_startScreen;
    QString m_folder;
    DashboardModel m_model;
    std::unique_ptr<SearchService> m_search;
    QPointer<SearchWindow> m_searchWindow;
    QFileSystemWatcher *m_watcher = nullptr;
    QHash<QString, std::pair<qint64, QDateTime>> m_stamps;
    QPointer<HomePrintWindow> m_printWindow;
};
