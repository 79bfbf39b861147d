// contentgen [--rules <regulation.txt>] <source.txt> <out.Dat>
// Builds a formatted page from its source and writes it as RTF.
#include "PageBuilder.h"
#include "RuleText.h"

#include "components/rtf/Rtf.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "contentgen: %s\n", qPrintable(message));
    return 1;
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QGuiApplication::arguments().mid(1);
    QString rulesPath;
    if (arguments.size() == 4 && arguments.first() == QLatin1String("--rules")) {
        rulesPath = arguments[1];
        arguments = arguments.mid(2);
    }
    if (arguments.size() != 2)
        return fail(QStringLiteral("usage: contentgen [--rules <regulation.txt>] <source.txt> <out.Dat>"));

    QString error;
    ContentGen::RuleText rules;
    if (!rulesPath.isEmpty() && !rules.load(rulesPath, &error))
        return fail(error);
    QTextDocument document;
    ContentGen::PageBuilder builder(document, rules);
    if (!builder.addFile(arguments[0], &error) || !writeFile(arguments[1], Rtf::write(document), &error))
        return fail(error);
    return 0;
}
