// contentgen [--rules <regulation.txt> [--amended <amended regulation.txt>]] <source.txt> <out.Dat>
// Builds a formatted page from its source and writes it as RTF; with --amended the regulation paragraphs
// are shown as amended, compared with those of --rules.
#include "PageBuilder.h"
#include "RuleText.h"

#include "core/rtf/Rtf.h"

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
    QString amendedPath;
    for (QString *option : {&rulesPath, &amendedPath}) {
        const QLatin1String name(option == &rulesPath ? "--rules" : "--amended");
        if (arguments.size() > 2 && arguments.first() == name) {
            *option = arguments[1];
            arguments = arguments.mid(2);
        }
    }
    if (arguments.size() != 2 || (!amendedPath.isEmpty() && rulesPath.isEmpty()))
        return fail(QStringLiteral("usage: contentgen [--rules <regulation.txt> [--amended <amended.txt>]] "
                                   "<source.txt> <out.Dat>"));

    QString error;
    ContentGen::RuleText rules;
    ContentGen::RuleText amended;
    if (!rulesPath.isEmpty() && !rules.load(rulesPath, &error))
        return fail(error);
    if (!amendedPath.isEmpty() && !amended.load(amendedPath, &error))
        return fail(error);
    QTextDocument document;
    ContentGen::PageBuilder builder(document, rules, amendedPath.isEmpty() ? nullptr : &amended);
    if (!builder.addFile(arguments[0], &error) || !writeFile(arguments[1], Rtf::write(document), &error))
        return fail(error);
    return 0;
}
