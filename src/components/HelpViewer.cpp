#include "components/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>

namespace HelpViewer {

QString locate(const QString &helpFile)
{
    const QDir dir = QDir::current();
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names)
        if (name.compare(helpFile, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

void show(const QString &helpFile, int command, int context)
{
    static QPointer<QTextBrowser> window;
    const QString path = locate(helpFile);
    if (!window) {
        window = new QTextBrowser;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->resize(640, 560);
    }
    window->setWindowTitle(QStringLiteral("Tessarel Help"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        window->setPlainText(QStringLiteral("The help file %1 could not be opened.").arg(helpFile));
    } else {
        window->setHtml(QString::fromUtf8(file.readAll()));
        if (command == 1)
            window->scrollToAnchor(QString::number(context));
    }
    window->show();
    window->raise();
}

} // namespace HelpViewer
