#include "support/OfficeConvert.h"

#include "support/TempFolder.h"

#include <QProcess>

QByteArray officeConvert(const TempFolder &folder, const QString &name, const QString &format)
{
    QProcess office;
    office.setWorkingDirectory(folder.path());
    office.start(QStringLiteral("timeout"),
                 {QStringLiteral("120"), QStringLiteral("soffice"),
                  QStringLiteral("-env:UserInstallation=file://") + folder.path() + QStringLiteral("/profile"),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"),
                  folder.path(), folder.file(name)});
    if (!office.waitForFinished(150000) || office.exitCode() != 0)
        return {};
    return folder.read(name.section(QLatin1Char('.'), 0, -2) + QLatin1Char('.') + format);
}
