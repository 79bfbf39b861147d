#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

#include "core/files/SafeWrite.h"
#include "core/files/WorkbookAccess.h"
#include "support/TempFolder.h"

namespace {

// Reads the file as a loader does and records what it held (or that it was missing) for replaceReadFile.
std::optional<QByteArray> readRecordedFile(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        WorkbookAccess::current().recordMissing(path);
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    WorkbookAccess::current().recordRead(path, bytes);
    return bytes;
}

const QString fileName = QStringLiteral("Action0.Fil");
const QByteArray loaded = "as loaded";
const QByteArray ours = "our new text";

// An access of its own, current while the test runs, that answers the question from `answer`.
struct ScriptedAccess {
    ScriptedAccess() { WorkbookAccess::install(&access); }
    ~ScriptedAccess() { WorkbookAccess::install(nullptr); }
    WorkbookAccess access;
};

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QStringList keptFiles(const TempFolder &folder)
{
    return QDir(folder.path()).entryList({QStringLiteral("Action0 (changed elsewhere *")}, QDir::Files);
}

struct Case {
    const char *name;
    bool presentAtLoad;
    // What another program does between the load and the save.
    std::function<void(const TempFolder &)> meanwhile;
    bool yes;
    bool asked;
    QByteArray expectedFile;
    QByteArray expectedKept; // empty: nothing kept aside
};

} // namespace

TEST(ChangedFile, SaveAfterAnotherProgramWroteTheFileAsksAndKeepsBothVersions)
{
    const QByteArray theirs = "their text";
    const QByteArray sameSize = "AS LOADED";
    const QList<Case> cases{
        {"untouched", true, [](const TempFolder &) {}, true, false, ours, {}},
        {"only its time changed", true,
         [](const TempFolder &f) { setModified(f.file(fileName), QDateTime::currentDateTime().addSecs(-7200)); },
         true, false, ours, {}},
        {"rewritten, kept both", true, [&](const TempFolder &f) { f.write(fileName, theirs); }, true, true, ours,
         theirs},
        {"rewritten at the same size and time", true,
         [&](const TempFolder &f) {
             const QDateTime time = QFileInfo(f.file(fileName)).lastModified();
             f.write(fileName, sameSize);
             setModified(f.file(fileName), time);
         },
         true, true, ours, sameSize},
        {"rewritten, not saved", true, [&](const TempFolder &f) { f.write(fileName, theirs); }, false, true, theirs,
         {}},
        {"removed", true, [](const TempFolder &f) { QFile::remove(f.file(fileName)); }, true, false, ours, {}},
        {"made after it was found missing", false, [&](const TempFolder &f) { f.write(fileName, theirs); }, true,
         true, ours, theirs},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        ScriptedAccess scripted;
        QList<WorkbookAccess::ChangedFile> questions;
        scripted.access.setQuestion([&](const WorkbookAccess::ChangedFile &file) {
            questions.append(file);
            return c.yes;
        });
        if (c.presentAtLoad)
            folder.write(fileName, loaded);
        ASSERT_EQ(readRecordedFile(folder.file(fileName)).value_or("?"), c.presentAtLoad ? loaded : QByteArray());
        c.meanwhile(folder);

        const WriteResult result = replaceReadFile(folder.file(fileName), ours);
        EXPECT_EQ(result.ok, c.yes || !c.asked) << result.error.toStdString();
        EXPECT_EQ(questions.size(), c.asked ? 1 : 0);
        EXPECT_EQ(folder.read(fileName), c.expectedFile);
        const QStringList kept = keptFiles(folder);
        if (c.expectedKept.isEmpty()) {
            EXPECT_TRUE(kept.isEmpty()) << kept.join(',').toStdString();
            continue;
        }
        ASSERT_EQ(kept.size(), 1);
        EXPECT_EQ(folder.read(kept.first()), c.expectedKept);
        ASSERT_EQ(questions.size(), 1);
        EXPECT_EQ(QFileInfo(questions.first().keptAsPath).fileName(), kept.first());
        EXPECT_EQ(questions.first().path, folder.file(fileName));
        // What was written counts as read: the next save asks nothing.
        ASSERT_TRUE(replaceReadFile(folder.file(fileName), "again"));
        EXPECT_EQ(questions.size(), 1);
    }
}

TEST(ChangedFile, WithoutAQuestionTheOtherVersionStays)
{
    TempFolder folder;
    ScriptedAccess scripted;
    folder.write(fileName, loaded);
    ASSERT_TRUE(readRecordedFile(folder.file(fileName)));
    folder.write(fileName, "their text");
    const WriteResult result = replaceReadFile(folder.file(fileName), ours);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith("Unable to write Action0.Fil: another program changed it"))
        << result.error.toStdString();
    EXPECT_EQ(folder.read(fileName), QByteArray("their text"));
}

TEST(ChangedFile, NameForTheOtherVersionIsNewAndSaysWhen)
{
    TempFolder folder;
    const QDateTime when(QDate(2026, 12, 8), QTime(20, 15, 3));
    const QString first = changedElsewherePath(folder.file(fileName), when);
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("Action0 (changed elsewhere 2026-12-08 201503).Fil"));
    folder.write(QFileInfo(first).fileName(), "taken");
    EXPECT_EQ(QFileInfo(changedElsewherePath(folder.file(fileName), when)).fileName(),
              QStringLiteral("Action0 (changed elsewhere 2026-12-08 201503 2).Fil"));
}

TEST(ChangedFile, ReadOnlyWorkbookRefusesEveryWriteIntoItsFolderOnly)
{
    TempFolder folder;
    TempFolder elsewhere;
    ScriptedAccess scripted;
    folder.write(fileName, loaded);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    folder.write(QStringLiteral("sub/inner.txt"), "inner");
    scripted.access.setReadOnly(folder.path(), QStringLiteral("in use by someone"));
    for (const QString &target : {folder.file(fileName), folder.file(QStringLiteral("new.txt")),
                                  folder.file(QStringLiteral("sub/inner.txt"))}) {
        const WriteResult direct = writeWholeFile(target, ours);
        EXPECT_FALSE(direct.ok);
        EXPECT_TRUE(direct.error.contains(QStringLiteral("read-only (in use by someone)"))) << direct.error.toStdString();
        EXPECT_FALSE(replaceReadFile(target, ours).ok);
    }
    EXPECT_EQ(folder.read(fileName), loaded);
    EXPECT_FALSE(folder.exists(QStringLiteral("new.txt")));
    EXPECT_EQ(folder.read(QStringLiteral("sub/inner.txt")), QByteArray("inner"));
    EXPECT_TRUE(writeWholeFile(elsewhere.file(QStringLiteral("backup.zip")), ours));
}
