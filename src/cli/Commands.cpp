#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "cli/RecordListings.h"
#include "cli/SearchListing.h"
#include "cli/WorkbookListings.h"
#include "core/backup/RestoreRecovery.h"
#include "core/backup/WorkbookBackup.h"
#include "core/files/ContentFolder.h"
#include "core/files/WorkbookLock.h"
#include "core/print/PreviewDocument.h"
#include "core/reports/StatusReport.h"
#include "core/risk/RiskCsv.h"
#include "core/workbook/Clock.h"
#include "core/workbook/Product.h"
#include "core/workbook/StatusStore.h"
#include "core/workbook/WorkbookLocation.h"

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The workbook folder held by this run while a backup or restore works on it.
class HeldFolder
{
public:
    explicit HeldFolder(const QString &folder) : m_lock(folder) {}

    // Empty when held; else why not.
    QString take()
    {
        switch (m_lock.take()) {
        case WorkbookLock::Outcome::Taken:
            return {};
        case WorkbookLock::Outcome::HeldElsewhere:
            return QStringLiteral("The workbook folder \"%1\" is in use by %2. Nothing was done.")
                .arg(native(m_lock.folder()), WorkbookLock::describe(m_lock.holder()));
        case WorkbookLock::Outcome::Unavailable:
            break;
        }
        return QStringLiteral("The workbook folder \"%1\" cannot be locked: %2. Nothing was done.")
            .arg(native(m_lock.folder()), m_lock.error());
    }

private:
    WorkbookLock m_lock;
};

} // namespace

int Commands::run(const CommandLine &line)
{
    switch (line.verb) {
    case CommandLine::Verb::Help:
        m_out << CommandLine::usage();
        return 0;
    case CommandLine::Verb::Version:
        m_out << Product::name << QLatin1Char(' ') << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    case CommandLine::Verb::Verify:
        return verify(line.file);
    default:
        break;
    }
    const QString folder = workbookFolder(line);
    switch (line.verb) {
    case CommandLine::Verb::Backup:
        return backUp(folder, line.file);
    case CommandLine::Verb::Restore:
        return restore(folder, line.file, line.yes);
    default:
        break;
    }
    if (!WorkbookLocation::holdsWorkbook(folder))
        return fail(QStringLiteral("There is no workbook in \"%1\".").arg(native(folder)));
    switch (line.verb) {
    case CommandLine::Verb::Status:
        return list(WorkbookListings::statuses(folder), line.format);
    case CommandLine::Verb::Todo:
        return list(WorkbookListings::todoRows(folder), line.format);
    case CommandLine::Verb::ReportStatus:
        return reportStatus(folder, line.file);
    case CommandLine::Verb::Decisions:
        return list(RecordListings::decisions(folder, line.undecided), line.format);
    case CommandLine::Verb::Reviews:
        return list(RecordListings::reviews(folder, line.due, Clock::current().now().date()), line.format);
    case CommandLine::Verb::History:
        return list(RecordListings::history(folder, line.item), line.format);
    case CommandLine::Verb::Risks:
        return listRisks(folder, line);
    case CommandLine::Verb::Search:
        return search(folder, line);
    default:
        return 0;
    }
}

QString Commands::workbookFolder(const CommandLine &line) const
{
    if (!line.workbook.isEmpty())
        return line.workbook;
    const QString chosenLast = QSettings().value(QLatin1String(WorkbookLocation::ChosenLastKey)).toString();
    return WorkbookLocation::choose(WorkbookLocation::survey({}, chosenLast, QCoreApplication::applicationDirPath(),
                                                             QDir::homePath()))
        .folder;
}

int Commands::list(const Result<TableText> &listing, TableText::Format format)
{
    if (!listing)
        return fail(listing.error());
    if (!listing->warning.isEmpty())
        m_err << listing->warning << Qt::endl;
    m_out << listing->write(format);
    m_out.flush();
    return 0;
}

int Commands::search(const QString &folder, const CommandLine &line)
{
    const QString content = ContentFolder::locate(QCoreApplication::applicationDirPath(),
                                                  QString::fromLatin1(Product::packageName));
    ContentFolder::setPath(content);
    const Result<TableText> found = SearchListing::find(content, folder, line.words);
    if (const int listed = list(found, line.format); listed != 0)
        return listed;
    if (!found->rows.isEmpty())
        return 0;
    m_err << QStringLiteral("Nothing was found for \"%1\".").arg(line.words) << Qt::endl;
    return 1;
}

int Commands::listRisks(const QString &folder, const CommandLine &line)
{
    const Result<QList<Risk>> risks = RecordListings::risks(folder, line.risks);
    if (!risks)
        return fail(risks.error());
    if (line.format != TableText::Format::Csv)
        return list(RecordListings::riskTable(*risks), line.format);
    // The register's own file, byte for byte, so that the program imports it.
    m_out.flush();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(RiskCsv::write(*risks)) < 0 || !out.flush())
        return fail(QStringLiteral("The risk register could not be written to standard output: %1.")
                        .arg(out.errorString()));
    return 0;
}

int Commands::backUp(const QString &folder, const QString &zipPath)
{
    HeldFolder held(folder);
    if (const QString refused = held.take(); !refused.isEmpty())
        return fail(refused);
    if (const std::optional<RestoreRecovery> recovery = RestoreRecovery::run(folder))
        m_err << recovery->message << Qt::endl;
    const Result<QString> done = WorkbookBackup::backUp(folder, zipPath, Clock::current().now());
    if (!done)
        return fail(done.error());
    m_out << done.value() << Qt::endl;
    return 0;
}

int Commands::verify(const QString &zipPath)
{
    BackupReader backup(zipPath);
    const Result<BackupSummary> summary = WorkbookBackup::check(backup);
    if (!summary)
        return fail(summary.error());
    m_out << QStringLiteral("\"%1\" is a whole workbook backup of %2: %3 files, %4 entries, %5 statuses set.")
                 .arg(native(zipPath), summary->created.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                 .arg(backup.manifest().files.size())
                 .arg(summary->entries)
                 .arg(summary->statusesSet)
          << Qt::endl;
    return 0;
}

int Commands::restore(const QString &folder, const QString &zipPath, bool yes)
{
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("The workbook folder \"%1\" cannot be made. Nothing was done.").arg(native(folder)));
    HeldFolder held(folder);
    if (const QString refused = held.take(); !refused.isEmpty())
        return fail(refused);
    if (const std::optional<RestoreRecovery> recovery = RestoreRecovery::run(folder))
        m_err << recovery->message << Qt::endl;
    BackupReader backup(zipPath);
    const Result<BackupSummary> summary = WorkbookBackup::check(backup);
    if (!summary)
        return fail(summary.error());
    if (!yes) {
        m_out << WorkbookBackup::confirmation(zipPath, summary.value()) << QStringLiteral(" [y/N] ");
        m_out.flush();
        const QString answer = m_in.readLine().trimmed().toLower();
        if (answer != QLatin1String("y") && answer != QLatin1String("yes"))
            return fail(QStringLiteral("The restore was not confirmed. Nothing was changed."));
    }
    const Result<QString> done = WorkbookBackup::restore(backup, folder, Clock::current().now());
    if (!done)
        return fail(done.error());
    m_out << done.value() << Qt::endl;
    return 0;
}

int Commands::reportStatus(const QString &folder, const QString &pdfPath)
{
    PreviewDocument document;
    document.setTitle(QStringLiteral("Status Report"));
    const StatusTable statuses =
        StatusStore(QDir(folder).filePath(QString::fromLatin1(StatusStore::DefaultFileName))).readTable();
    StatusReport(document, statuses, Qt::black).build({true, false, false, false});
    const WriteResult written = document.renderPdf(pdfPath);
    if (!written)
        return fail(written.error);
    m_out << QStringLiteral("The status report (%1 pages) was written to \"%2\".")
                 .arg(document.pageCount())
                 .arg(native(pdfPath))
          << Qt::endl;
    return 0;
}

int Commands::fail(const QString &reason)
{
    m_err << reason << Qt::endl;
    return 1;
}
