#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

#include "core/files/FileStamp.h"

// How this run of the program may use its workbook folder: writable, or read-only because another copy
// holds it; and what the program last read from or wrote to each file, so that a save can tell when
// another program changed a file since.
class WorkbookAccess
{
public:
    // A file about to be replaced that another program changed after this program read it.
    struct ChangedFile {
        QString path;
        // Where the other program's version is kept if the user goes on.
        QString keptAsPath;
        QDateTime changedAt;
    };
    // Asked before such a file is replaced: true keeps the other version as keptAsPath and writes ours,
    // false writes nothing.
    using Question = std::function<bool(const ChangedFile &)>;

    // The access every file write consults; never null.
    static WorkbookAccess &current();
    // Makes `access` the current one; null restores the program-wide default (writable, no question).
    static void install(WorkbookAccess *access);

    // From now on every write into `folder` or below it is refused, giving `reason`.
    void setReadOnly(const QString &folder, const QString &reason);
    bool isReadOnly() const { return !m_readOnlyFolder.isEmpty(); }
    const QString &readOnlyReason() const { return m_reason; }
    // Why a write to `path` is refused; empty when it may be written.
    QString refusal(const QString &path) const;

    // Remembers what `path` held as the program read it or wrote it.
    void recordRead(const QString &path, const QByteArray &bytes);
    void recordMissing(const QString &path);
    // Remembers what `path` holds now (for readers that take a file in pieces).
    void recordFile(const QString &path);
    // What was remembered of `path`; nothing when the program never read it.
    std::optional<FileStamp> recorded(const QString &path) const;

    void setQuestion(Question question) { m_question = std::move(question); }
    // Without a question the answer is no: nothing of either version is lost.
    bool askToKeepBoth(const ChangedFile &file) const { return m_question && m_question(file); }

private:
    static QString key(const QString &path);

    QString m_readOnlyFolder;
    QString m_reason;
    QHash<QString, FileStamp> m_stamps;
    Question m_question;
};
