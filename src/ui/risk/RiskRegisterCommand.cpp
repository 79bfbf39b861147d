#include "ui/risk/RiskRegisterCommand.h"

#include <QMenu>
#include <QPushButton>

#include "ui/widgets/Dialogs.h"
#include "core/record/RecordDatabase.h"
#include "ui/risk/RiskRegisterWindow.h"

namespace RiskRegisterCommand {

RiskRegisterWindow *open(QWidget *parent)
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record) {
        Dialogs::current().messageBox(
            QStringLiteral("The risk register is kept in the compliance record of the workbook folder "
                           "(%1), which is not open.")
                .arg(QLatin1String(RecordDatabase::FileName)),
            Dialogs::OkOnly + Dialogs::Exclamation, QString::fromLatin1(RiskRegisterWindow::Caption));
        return nullptr;
    }
    auto *window = new RiskRegisterWindow(record->connection(), parent);
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    return window;
}

QAction *addMenuItem(QMenu *menu, QWidget *parent, std::function<void(QWidget *window)> opened)
{
    QAction *item = menu->addAction(QString::fromUtf16(MenuCaption));
    item->setObjectName(QStringLiteral("mORiskRegister"));
    QObject::connect(item, &QAction::triggered, parent, [parent, opened] {
        if (RiskRegisterWindow *window = open(parent); window && opened)
            opened(window);
    });
    return item;
}

QPushButton *createButton(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("Risk Re&gister…"), parent);
    button->setObjectName(QStringLiteral("riskRegisterButton"));
    QObject::connect(button, &QPushButton::clicked, parent, [parent] { open(parent->window()); });
    return button;
}

} // namespace RiskRegisterCommand
