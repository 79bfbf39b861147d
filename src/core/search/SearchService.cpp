#include "core/search/SearchService.h"

#include <QThread>

SearchService::SearchService(SearchSources sources, QObject *parent)
    : QObject(parent), m_sources(std::move(sources))
{
}

SearchService::~SearchService()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

std::unique_ptr<SearchIndex> SearchService::build(const SearchSources &sources)
{
    auto index = std::make_unique<SearchIndex>();
    for (const auto &source : sources.all())
        for (const SearchDocument &doc : source.second())
            index->put(doc);
    return index;
}

void SearchService::startBuild()
{
    if (m_worker)
        return;
    m_built = std::make_shared<std::unique_ptr<SearchIndex>>();
    m_worker = QThread::create([built = m_built, sources = m_sources] { *built = build(sources); });
    connect(m_worker, &QThread::finished, this, &SearchService::takeBuilt);
    m_worker->start(QThread::LowPriority);
}

void SearchService::waitForBuild()
{
    if (!m_worker)
        return;
    m_worker->wait();
    takeBuilt();
}

void SearchService::takeBuilt()
{
    if (!m_worker)
        return;
    m_worker->wait();
    m_worker->deleteLater();
    m_worker = nullptr;
    m_index = std::move(*m_built);
    m_built.reset();
    for (const auto &change : std::as_const(m_pending))
        change(*m_index);
    m_pending.clear();
    emit ready();
}

void SearchService::apply(std::function<void(SearchIndex &)> change)
{
    if (m_worker)
        m_pending.append(change);
    if (m_index)
        change(*m_index);
}

void SearchService::put(const QList<SearchDocument> &documents)
{
    apply([documents](SearchIndex &index) {
        for (const SearchDocument &doc : documents) {
            if (doc.text.isEmpty())
                index.remove(doc.key);
            else
                index.put(doc);
        }
    });
}

void SearchService::replaceAll(const QString &prefix, const QList<SearchDocument> &documents)
{
    apply([prefix, documents](SearchIndex &index) {
        index.removeWithPrefix(prefix);
        for (const SearchDocument &doc : documents)
            index.put(doc);
    });
}
