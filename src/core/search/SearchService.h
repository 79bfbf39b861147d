#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "core/search/SearchSources.h"

class QThread;

// Holds the search index: built from its sources on a worker thread, then kept up to date from the
// window's thread as files are saved. Changes made while the build runs are applied once it is done.
class SearchService : public QObject
{
    Q_OBJECT

public:
    explicit SearchService(SearchSources sources, QObject *parent = nullptr);
    ~SearchService() override;

    // Starts building in the background; a build already running is left to finish.
    void startBuild();
    bool isReady() const { return m_index != nullptr; }
    bool isBuilding() const { return m_worker != nullptr; }
    // Blocks until a running build is done and handed over (tests and benchmarks).
    void waitForBuild();

    // The index, null until the first build is done.
    const SearchIndex *index() const { return m_index.get(); }

    // Puts the documents in place of those of the same keys, now or once the build is done.
    void put(const QList<SearchDocument> &documents);
    // Removes the documents whose keys start with `prefix` before putting `documents`.
    void replaceAll(const QString &prefix, const QList<SearchDocument> &documents);

    static std::unique_ptr<SearchIndex> build(const SearchSources &sources);

signals:
    // The index is built and may be searched.
    void ready();

private:
    void apply(std::function<void(SearchIndex &)> change);
    void takeBuilt();

    SearchSources m_sources;
    std::unique_ptr<SearchIndex> m_index;
    std::shared_ptr<std::unique_ptr<SearchIndex>> m_built;
    QThread *m_worker = nullptr;
    QList<std::function<void(SearchIndex &)>> m_pending;
};
