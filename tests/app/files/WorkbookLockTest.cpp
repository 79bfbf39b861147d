#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

#include "core/files/WorkbookLock.h"
#include "support/TempFolder.h"

namespace {

// The lock file a run with process `pid` would have left: the bytes this process's own lock holds,
// with its process number replaced.
QByteArray lockLeftBy(qint64 pid)
{
    TempFolder scratch;
    QLockFile own(scratch.file(QStringLiteral("own.lock")));
    EXPECT_TRUE(own.tryLock(0));
    QList<QByteArray> lines = scratch.read(QStringLiteral("own.lock")).split('\n');
    lines[0] = QByteArray::number(pid);
    return lines.join('\n');
}

// A process number that was in use and is no longer.
qint64 endedProcess()
{
    QProcess child;
    child.start(QStringLiteral("true"), {});
    EXPECT_TRUE(child.waitForStarted());
    const qint64 pid = child.processId();
    EXPECT_TRUE(child.waitForFinished());
    return pid;
}

} // namespace

TEST(WorkbookLock, SecondHolderOfOneFolderLearnsWhoHoldsItAndSinceWhen)
{
    TempFolder folder;
    WorkbookLock first(folder.path());
    ASSERT_EQ(first.take(), WorkbookLock::Outcome::Taken);
    const QDateTime taken = QFileInfo(folder.file(QString::fromLatin1(WorkbookLock::FileName))).lastModified();

    WorkbookLock second(folder.path());
    ASSERT_EQ(second.take(), WorkbookLock::Outcome::HeldElsewhere);
    EXPECT_FALSE(second.isTaken());
    EXPECT_EQ(second.holder().pid, QCoreApplication::applicationPid());
    EXPECT_EQ(second.holder().host, QSysInfo::machineHostName());
    folder.write(QStringLiteral("mine"), "x");
    EXPECT_EQ(second.holder().user, QFileInfo(folder.file(QStringLiteral("mine"))).owner());
    EXPECT_FALSE(second.holder().user.isEmpty());
    EXPECT_EQ(second.holder().since, taken);
    EXPECT_FALSE(second.holder().application.isEmpty());
}

TEST(WorkbookLock, IsReleasedWithItsHolderAndTakenAgain)
{
    TempFolder folder;
    {
        WorkbookLock first(folder.path());
        ASSERT_EQ(first.take(), WorkbookLock::Outcome::Taken);
    }
    EXPECT_FALSE(folder.exists(QString::fromLatin1(WorkbookLock::FileName)));
    WorkbookLock next(folder.path());
    EXPECT_EQ(next.take(), WorkbookLock::Outcome::Taken);
}

TEST(WorkbookLock, LockOfAnEndedRunIsTakenOver)
{
    TempFolder folder;
    const QString name = QString::fromLatin1(WorkbookLock::FileName);
    folder.write(name, lockLeftBy(endedProcess()));
    WorkbookLock lock(folder.path());
    ASSERT_EQ(lock.take(), WorkbookLock::Outcome::Taken);
    EXPECT_TRUE(folder.read(name).startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
}

TEST(WorkbookLock, LockOfARunningProcessIsNotTakenHoweverOld)
{
    TempFolder folder;
    const QString name = QString::fromLatin1(WorkbookLock::FileName);
    folder.write(name, lockLeftBy(QCoreApplication::applicationPid()));
    QFile file(folder.file(name));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-30), QFileDevice::FileModificationTime));
    file.close();
    WorkbookLock lock(folder.path());
    EXPECT_EQ(lock.take(), WorkbookLock::Outcome::HeldElsewhere);
    EXPECT_EQ(lock.holder().since.date(), QDate::currentDate().addDays(-30));
}

TEST(WorkbookLock, FolderThatIsNotThereCannotBeLocked)
{
    TempFolder folder;
    WorkbookLock lock(folder.file(QStringLiteral("gone")));
    EXPECT_EQ(lock.take(), WorkbookLock::Outcome::Unavailable);
    EXPECT_FALSE(lock.error().isEmpty());
}
