#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/files/ContentFolder.h"

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file and folder under `root` with its size, time of change and checksum.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> seen;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        seen.insert(QDir(root).relativeFilePath(info.filePath()),
                    QStringLiteral("%1 %2 %3")
                        .arg(info.size())
                        .arg(info.lastModified().toMSecsSinceEpoch())
                        .arg(QString::fromLatin1(
                            QCryptographicHash::hash(bytesOf(info.filePath()), QCryptographicHash::Sha256).toHex())));
    }
    return seen;
}

void makeReadOnly(const QString &root)
{
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, QFile::permissions(path) & ~(QFile::WriteOwner | QFile::WriteGroup |
                                                                 QFile::WriteOther | QFile::WriteUser));
    }
}

// The build installed as a package would install it, into a staging folder.
class InstalledLayout : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        stage = new QTemporaryDir;
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), stage->path());
        install.setProcessEnvironment(env);
        install.start(QStringLiteral(TESSAREL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(TESSAREL_BINARY_DIR), QStringLiteral("--prefix"),
                       QStringLiteral("/usr"), QStringLiteral("--strip")});
        installed = install.waitForFinished(300000) && install.exitStatus() == QProcess::NormalExit &&
                    install.exitCode() == 0;
        log = QString::fromLocal8Bit(install.readAllStandardError());
    }
    static void TearDownTestSuite()
    {
        delete stage;
        stage = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(installed) << log.toStdString(); }

    static QString staged(const QString &path) { return stage->path() + path; }

    static inline QTemporaryDir *stage = nullptr;
    static inline bool installed = false;
    static inline QString log;
};

} // namespace

// The program finds the content installed beside it in the shared-data folder, every file as built.
TEST_F(InstalledLayout, ContentIsFoundInTheSharedDataFolder)
{
    const QString content = staged("/usr/share/tessarel");
    EXPECT_EQ(ContentFolder::locate(staged("/usr/bin"), "tessarel"), content);
    EXPECT_EQ(ContentFolder::locate(QStringLiteral(TESSAREL_PROGRAM_DIR), "tessarel"),
              QDir::cleanPath(TESSAREL_PROGRAM_DIR));
    EXPECT_EQ(ContentFolder::locate(staged("/usr/share/doc"), "tessarel"), QString());

    const QStringList built = QDir(TESSAREL_PROGRAM_DIR).entryList({"*.Dat", "*.jpg", "*.hlp"}, QDir::Files);
    ASSERT_GE(built.size(), 55);
    EXPECT_EQ(QDir(content).entryList(QDir::Files), built);
    for (const QString &name : built)
        EXPECT_EQ(bytesOf(QDir(content).filePath(name)), bytesOf(QDir(TESSAREL_PROGRAM_DIR).filePath(name)))
            << name.toStdString();
}

// What a desktop needs to list, describe and start the program.
TEST_F(InstalledLayout, DesktopFilesLieWhereTheDesktopLooks)
{
    for (const char *path :
         {"/usr/bin/tessarel", "/usr/share/applications/example.tessarel.Tessarel.desktop",
          "/usr/share/metainfo/example.tessarel.Tessarel.metainfo.xml",
          "/usr/share/icons/hicolor/48x48/apps/tessarel.png", "/usr/share/icons/hicolor/128x128/apps/tessarel.png",
          "/usr/share/icons/hicolor/256x256/apps/tessarel.png",
          "/usr/share/icons/hicolor/scalable/apps/tessarel.svg", "/usr/share/man/man1/tessarel.1.gz",
          "/usr/share/doc/tessarel/copyright", "/usr/share/doc/tessarel/changelog.gz"})
        EXPECT_TRUE(QFileInfo(staged(QString::fromLatin1(path))).isFile()) << path;
    EXPECT_TRUE(QFileInfo(staged("/usr/bin/tessarel")).isExecutable());
}

// Started from the installation, the program writes its workbook into the user's Documents folder and
// nothing into the installation, which is read-only.
TEST_F(InstalledLayout, TheInstalledProgramWritesOnlyIntoTheUsersWorkbookFolder)
{
    makeReadOnly(staged("/usr"));
    const QMap<QString, QString> before = snapshot(staged("/usr"));
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home.path());
    program.start(staged("/usr/bin/tessarel"), {});
    ASSERT_TRUE(program.waitForStarted());
    // Still running after the splash: the start screen is up.
    EXPECT_FALSE(program.waitForFinished(6000)) << program.readAllStandardError().toStdString();
    program.kill();
    program.waitForFinished();

    const QString workbook = home.path() + QStringLiteral("/Documents/Tessarel Workbook");
    // The lock of the killed program stays behind, for the next start to take over.
    EXPECT_EQ(QDir(workbook).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"Stat1.Fil", "Tessarel.lock"}));
    EXPECT_EQ(QFileInfo(workbook + QStringLiteral("/Stat1.Fil")).size(), 0);
    EXPECT_EQ(snapshot(staged("/usr")), before);
}

// The command line names its options and the version.
TEST_F(InstalledLayout, CommandLineAnswersHelpAndVersion)
{
    const struct {
        const char *option;
        int exitCode;
        const char *says;
    } cases[] = {{"--version", 0, "Tessarel 1.5"}, {"--help", 0, "--workbook <folder>"}, {"--frobnicate", 2, ""}};
    for (const auto &c : cases) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(staged("/usr/bin/tessarel"), {QString::fromLatin1(c.option)});
        ASSERT_TRUE(program.waitForFinished(20000)) << c.option;
        EXPECT_EQ(program.exitCode(), c.exitCode) << c.option;
        EXPECT_TRUE(QString::fromUtf8(program.readAllStandardOutput()).contains(QString::fromLatin1(c.says)))
            << c.option;
    }
}
