#include "ui/widgets/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>

#include "ui/widgets/Dialogs.h"
#include "core/files/ContentFolder.h"

namespace HelpViewer {

QString locate(const QString &helpFile)
{
    const QDir dir(ContentFolder::path().isEmpty() ? QDir::currentPath() : ContentFolder::path());
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names)
        if (name.compare(helpFile, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

namespace {

QPointer<QTextBrowser> helpWindow;

QTextBrowser *createWindow(QWidget *owner)
{
    auto *window = new QTextBrowser(owner);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("HelpWindow"));
    window->setAccessibleName(QStringLiteral("Help text"));
    window->setOpenExternalLinks(true);
    window->resize(640, 560);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    return window;
}

} // namespace

QWidget *window()
{
    return helpWindow;
}

void show(const QString &helpFile, int command, int context)
{
    // A modal area window blocks every window that is not its own: the help window belongs to it while it
    // runs, and closing the help returns to it.
    QWidget *owner = QApplication::activeModalWidget();
    if (helpWindow && helpWindow->parentWidget() != owner) {
        helpWindow->setParent(owner, helpWindow->windowFlags() | Qt::Window);
    }
    if (!helpWindow)
        helpWindow = createWindow(owner);
    helpWindow->setWindowTitle(QStringLiteral("Tessarel Help"));
    const QString path = locate(helpFile);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        helpWindow->setPlainText(QStringLiteral("The help file %1 could not be opened.").arg(helpFile));
    } else {
        helpWindow->setHtml(QString::fromUtf8(file.readAll()));
        if (command == Dialogs::HelpTopic)
            helpWindow->scrollToAnchor(QString::number(context));
    }
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

} // namespace HelpViewer
