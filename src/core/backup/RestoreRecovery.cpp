#include "core/backup/RestoreRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "core/backup/RestoreCommit.h"
#include "core/backup/RestoreJournal.h"

namespace {

constexpr qint64 MaxJournalSize = 1024 * 1024;

const QString undone = QStringLiteral(" It was undone: the workbook is as it was before the restore.");

QString restoreFrom(const RestoreJournal &journal)
{
    return journal.backupName.isEmpty() ? QStringLiteral("A restore")
                                        : QStringLiteral("A restore from \"%1\"").arg(journal.backupName);
}

std::optional<RestoreJournal> readJournal(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray json = file.read(MaxJournalSize + 1);
    if (json.size() > MaxJournalSize) {
        *error = QStringLiteral("it is larger than such a note can be");
        return std::nullopt;
    }
    return RestoreJournal::fromJson(json, error);
}

RestoreRecovery keptAside(const QString &path, const QString &reason)
{
    const QString name = QFileInfo(path).fileName();
    const QString kept = name + QStringLiteral(".bak");
    const bool moved = std::rename(QFile::encodeName(path).constData(),
                                   QFile::encodeName(path + QStringLiteral(".bak")).constData()) == 0;
    return {RestoreRecovery::Kind::Unreadable,
            QStringLiteral("The note of a restore that was cut short, \"%1\", cannot be read: %2. "
                           "The workbook files were left as they are%3; compare them with the folders "
                           "named \"Replaced\" beside them.")
                .arg(name, reason,
                     moved ? QStringLiteral(" and the note was kept as \"%1\"").arg(kept) : QString())};
}

RestoreRecovery committing(const QString &folder, const RestoreJournal &journal)
{
    RestoreCommit commit(folder, journal);
    const QString forwardError = commit.forward();
    if (forwardError.isEmpty()) {
        const QString kept = commit.finish();
        QString text = restoreFrom(journal) +
                       QStringLiteral(" was cut short. It has now been finished: the workbook is the one in "
                                      "the backup.");
        if (!kept.isEmpty())
            text += QStringLiteral("\n\nThe files it replaced are kept in the folder \"%1\" beside the data "
                                   "files.")
                        .arg(kept);
        return {RestoreRecovery::Kind::Finished, text};
    }
    const QString backError = commit.back();
    if (backError.isEmpty()) {
        commit.discard();
        return {RestoreRecovery::Kind::Undone,
                restoreFrom(journal) +
                    QStringLiteral(" was cut short and could not be finished (%1).").arg(forwardError) +
                    undone};
    }
    return {RestoreRecovery::Kind::Failed,
            restoreFrom(journal) +
                QStringLiteral(" was cut short and could neither be finished (%1) nor undone (%2). The files "
                               "it replaced are in the folder \"%3\" and the backup's files in the folder "
                               "\"%4\", beside the data files; the next start tries again.")
                    .arg(forwardError, backError, journal.replacedFolder, journal.stagingFolder)};
}

} // namespace

std::optional<RestoreRecovery> RestoreRecovery::run(const QString &dataFolder)
{
    const QString path = QDir(dataFolder).filePath(QString::fromLatin1(RestoreJournal::FileName));
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return std::nullopt;
    QString error;
    const std::optional<RestoreJournal> journal = readJournal(path, &error);
    if (!journal)
        return keptAside(path, error);
    if (journal->step == RestoreJournal::Step::Committing)
        return committing(dataFolder, *journal);
    RestoreCommit(dataFolder, *journal).discard();
    return RestoreRecovery{Kind::Undone,
                           restoreFrom(*journal) +
                               QStringLiteral(" was cut short before it changed the workbook.") + undone};
}
