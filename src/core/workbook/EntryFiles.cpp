#include "core/workbook/EntryFiles.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "core/catalogue/Catalogue.h"

namespace EntryFiles {

namespace {

QString word(Kind kind)
{
    switch (kind) {
    case Action: return QStringLiteral("Action");
    case Comment: return QStringLiteral("Comment");
    case Policy: return QStringLiteral("Policy");
    case NoEntry: break;
    }
    return {};
}

} // namespace

QString entryFileName(Kind kind, int number)
{
    if (word(kind).isEmpty() || number < 1 || number > Catalogue::itemCount)
        return {};
    return word(kind) + QString::number(number - 1) + QStringLiteral(".Fil");
}

QString sampleFileName(Kind kind)
{
    switch (kind) {
    case Action: return QStringLiteral("SampleAct.Dat");
    case Comment: return QStringLiteral("SampleCom.Dat");
    case Policy: return QStringLiteral("SamplePol.Dat");
    case NoEntry: break;
    }
    return {};
}

QString fileName(Kind kind, int category, int innerTab)
{
    if (category == Catalogue::sampleCategory)
        return sampleFileName(kind);
    return entryFileName(kind, Catalogue::specificationNumber(category, innerTab));
}

bool isSample(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    for (const Kind kind : {Action, Comment, Policy})
        if (name.compare(sampleFileName(kind), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool mayBeWritten(const QString &path)
{
    static const QRegularExpression pattern(QStringLiteral("^(Action|Comment|Policy)(0|[1-9][0-9]?)\\.Fil$"));
    const QRegularExpressionMatch match = pattern.match(QFileInfo(path).fileName());
    return match.hasMatch() && match.captured(2).toInt() < Catalogue::itemCount;
}

} // namespace EntryFiles
