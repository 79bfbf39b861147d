#include "core/search/SearchSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <array>

#include "core/files/FileLimits.h"
#include "core/rtf/Rtf.h"
#include "core/todo/TodoGridFile.h"
#include "core/rule/RulePages.h"
#include "core/references/DocumentReferenceBox.h"
#include "core/references/ReferenceProducer.h"
#include "core/catalogue/Catalogue.h"
#include "core/workbook/EntryFiles.h"

void SearchSources::add(const QString &name, Source source)
{
    m_sources.append({name, std::move(source)});
}

namespace WorkbookSearch {

namespace {

constexpr int firstItemCategory = 1;
constexpr int lastItemCategory = 5;

struct EntryKind
{
    EntryFiles::Kind kind;
    Place::View view;
    const char *caption;
};
constexpr EntryKind entryKinds[] = {{EntryFiles::Action, Place::ActionTaken, "Action Taken"},
                                    {EntryFiles::Comment, Place::Comments, "Comments/Notes"},
                                    {EntryFiles::Policy, Place::Policies, "Policies & Procedures/Plan"}};

// "Risk Analysis (R) (164.308(a)(1)): Action Taken"; an item without a specification of its own, such as
// an overview, by its tab's caption.
QString itemTitle(const Catalogue::Item &item, const char *view)
{
    QString name = Catalogue::specificationName(item).trimmed();
    if (name.isEmpty())
        name = Catalogue::displayed(item.tabCaption);
    if (const char letter = item.requirement())
        name += QStringLiteral(" (%1)").arg(QLatin1Char(letter));
    if (*item.section)
        name += QStringLiteral(" (%1)").arg(QString::fromUtf8(item.section));
    return name + QStringLiteral(": ") + QString::fromUtf8(view);
}

Place itemPlace(const Catalogue::Item &item, Place::View view)
{
    Place place;
    place.kind = Place::WorkItem;
    place.category = item.category;
    place.item = item.tab;
    place.view = view;
    return place;
}

SearchDocument entryDocument(const QString &folder, const Catalogue::Item &item, const EntryKind &kind)
{
    const QString name = EntryFiles::entryFileName(kind.kind, item.number);
    const QString path = QDir(folder).filePath(name);
    SearchDocument doc{
        path, QString::fromUtf8(entriesGroup), itemTitle(item, kind.caption), itemPlace(item, kind.view), {}};
    if (!QFileInfo::exists(path))
        return doc;
    Result<QString> text = rtfText(path, FileLimits::Entry.bytes);
    if (text)
        doc.text = std::move(text.value());
    return doc;
}

} // namespace

Result<QString> rtfText(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failed(QStringLiteral("%1 could not be opened: %2.").arg(path, file.errorString()));
    const QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return Outcome::failed(QStringLiteral("%1 could not be read: %2.").arg(path, file.errorString()));
    QTextDocument document;
    const Rtf::ReadResult read = Rtf::read(bytes, document);
    if (!read.ok)
        return Outcome::failed(QStringLiteral("%1 could not be read: %2.").arg(path, read.error));
    return document.toPlainText();
}

QList<SearchDocument> rulePages(const QString &contentFolder)
{
    QList<SearchDocument> docs;
    for (const bool amended : {false, true}) {
        for (int page = 1; page < RulePages::count; ++page) {
            if (amended && !RulePages::hasAmendedText(page))
                continue;
            const QString path = QDir(contentFolder).filePath(RulePages::fileName(page, amended));
            Result<QString> text = rtfText(path, FileLimits::Entry.bytes);
            if (!text)
                continue;
            Place place;
            place.kind = Place::RulePage;
            place.page = page;
            place.amended = amended;
            docs.append({path, QString::fromUtf8(amended ? amendedGroup : ruleGroup),
                         QString::fromUtf8(RulePages::page(page).tooltip), place, std::move(text.value())});
        }
    }
    return docs;
}

QList<SearchDocument> itemTexts()
{
    QList<SearchDocument> docs;
    std::array<QTextDocument, 4> documents;
    std::array<DocumentReferenceBox, 4> boxes{
        DocumentReferenceBox(documents[0]), DocumentReferenceBox(documents[1]),
        DocumentReferenceBox(documents[2]), DocumentReferenceBox(documents[3])};
    ReferenceProducer producer(ReferenceBoxes{{&boxes[0], &boxes[1], &boxes[2]}, &boxes[3]});
    for (int category = firstItemCategory; category <= lastItemCategory; ++category) {
        for (int tab = 0; tab < Catalogue::category(category).itemCount; ++tab) {
            const Catalogue::Item *item = Catalogue::item(category, tab);
            if (!item || ReferenceProducer::itemNumber(category, tab) < 1)
                continue;
            ReferenceState state;
            state.CurrentCategory = qint16(category);
            state.CurrentItemTab = qint16(tab);
            state.modeFlag = ReferenceState::reportMode;
            producer.clearBuffers();
            producer.produceRuleText(state);
            producer.produceReferences(state);
            producer.produceAdditionalInformation(state);
            const std::pair<Place::View, const char *> views[] = {
                {Place::Specification, "Implementation specification"},
                {Place::References, "References in Rule"},
                {Place::AdditionalInformation, "Additional Information"}};
            for (int i = 0; i < 3; ++i) {
                const QString text = boxes[size_t(i)].text();
                if (text.trimmed().isEmpty())
                    continue;
                docs.append({QStringLiteral("item %1 view %2").arg(item->number).arg(i),
                             QString::fromUtf8(guidanceGroup), itemTitle(*item, views[i].second),
                             itemPlace(*item, views[i].first), text});
            }
        }
    }
    return docs;
}

QList<SearchDocument> entries(const QString &folder)
{
    QList<SearchDocument> docs;
    for (int number = 1; number <= Catalogue::itemCount; ++number)
        for (const EntryKind &kind : entryKinds) {
            SearchDocument doc = entryDocument(folder, *Catalogue::item(number), kind);
            if (!doc.text.isEmpty())
                docs.append(std::move(doc));
        }
    return docs;
}

QStringList entryFileNames()
{
    QStringList names;
    for (int number = 1; number <= Catalogue::itemCount; ++number)
        for (const EntryKind &kind : entryKinds)
            names.append(EntryFiles::entryFileName(kind.kind, number));
    return names;
}

QList<SearchDocument> entry(const QString &folder, const QString &fileName)
{
    for (int number = 1; number <= Catalogue::itemCount; ++number)
        for (const EntryKind &kind : entryKinds)
            if (EntryFiles::entryFileName(kind.kind, number).compare(fileName, Qt::CaseInsensitive) == 0)
                return {entryDocument(folder, *Catalogue::item(number), kind)};
    return {};
}

QList<SearchDocument> todoRows(const QString &folder)
{
    TodoGridFile file(QDir(folder).filePath(QString::fromLatin1(TodoGridFile::DefaultFileName)));
    if (!QFileInfo::exists(file.file().path()))
        return {};
    const TodoGrid grid = file.load().contents;
    QList<SearchDocument> docs;
    for (int row = 1; row <= TodoGrid::Rows; ++row) {
        if (!grid.hasItem(row))
            continue;
        Place place;
        place.kind = Place::TodoList;
        place.row = row;
        docs.append({QStringLiteral("todo row %1").arg(row), QString::fromUtf8(todoGroup),
                     QStringLiteral("Row %1").arg(row), place, grid.item(row)});
    }
    return docs;
}

SearchSources sources(const QString &contentFolder, const QString &workbookFolder)
{
    SearchSources all;
    all.add(QStringLiteral("Rule"), [contentFolder] { return rulePages(contentFolder); });
    all.add(QStringLiteral("Guidance"), [] { return itemTexts(); });
    all.add(QStringLiteral("Entries"), [workbookFolder] { return entries(workbookFolder); });
    all.add(QStringLiteral("To-do list"), [workbookFolder] { return todoRows(workbookFolder); });
    return all;
}

} // namespace WorkbookSearch
