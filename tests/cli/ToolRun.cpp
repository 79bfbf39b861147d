#include "cli/ToolRun.h"

#include <QProcess>

QString toolPath()
{
    return QStringLiteral(TESSAREL_CLI);
}

ToolRun runTool(const QStringList &arguments, const QByteArray &input)
{
    QProcess tool;
    tool.setProgram(toolPath());
    tool.setArguments(arguments);
    tool.start();
    tool.write(input);
    tool.closeWriteChannel();
    EXPECT_TRUE(tool.waitForFinished(60000));
    const QByteArray out = tool.readAllStandardOutput();
    return {tool.exitCode(), out, QString::fromUtf8(out), QString::fromUtf8(tool.readAllStandardError())};
}

QStringList csvFields(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == QLatin1Char(',') && !quoted) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field);
    return fields;
}
