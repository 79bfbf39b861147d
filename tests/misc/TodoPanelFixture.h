#pragma once

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "TodoPanelDriver.h"
#include "core/todo/TodoGridModel.h"
#include "ui/todo/TodoPanel.h"
#include "ui/preview/PreviewPanel.h"
#include "support/ScriptedDialogs.h"
#include "support/SteppedClock.h"
#include "support/TempFolder.h"

// Scripted answers that also note which row is painted red while each question is up.
class WatchingDialogs : public ScriptedDialogs
{
public:
    int messageBox(const QString &text, int style, const QString &caption) override
    {
        redRows.append(model ? model->highlightedRow() : 0);
        return ScriptedDialogs::messageBox(text, style, caption);
    }
    TodoGridModel *model = nullptr;
    QList<int> redRows;
};

// The to-do panel in a host window with an Exit button, the Options menu twins and a preview panel, in a
// fresh program folder on Tuesday 8 December 2026.
class TodoPanelTest : public ::testing::Test
{
protected:
    void open()
    {
        host.resize(800, 560);
        auto *layout = new QVBoxLayout(&host);
        layout->addWidget(panel);
        layout->addWidget(exit);
        exit->setObjectName("Command1(0)");
        panel->setExitButton(exit);
        panel->attachMenu(&options, deleteItemAction, clearGridAction, insertRowAction, printAction,
                          saveAction);
        preview = new PreviewPanel(PreviewPanel::MiscArea, &host);
        for (QCheckBox *box : {preview->printOptions[0], preview->asOfDateOption}) {
            const QSignalBlocker quiet(box);
            box->setChecked(true);
        }
        panel->attachPreview(preview);
        panel->loadList();
        dialogs.model = panel->grid;
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        panel->activate();
    }

    QModelIndex at(int row, int column) const { return TodoDriver::at(panel, row, column); }
    QString cell(int row, int column) const { return panel->grid->cell(row, column); }
    void click(int row, int column) { TodoDriver::click(panel, row, column); }
    void clickHeading(int column) { TodoDriver::clickHeading(panel, column); }
    void type(const QString &text) { TodoDriver::type(panel, text); }
    QStringList texts() const
    {
        QStringList list;
        for (const auto &m : dialogs.messages)
            list.append(m.text);
        return list;
    }

    static QByteArray gridFile(const QList<QStringList> &rows) { return TodoDriver::gridFile(rows); }

    TempFolder folder;
    SteppedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    WatchingDialogs dialogs;
    QWidget host;
    TodoPanel *panel = new TodoPanel(&host);
    QPushButton *exit = new QPushButton("E&xit", &host);
    QMenu options{"&Options"};
    QAction *deleteItemAction = options.addAction("&Delete Item from Grid");
    QAction *clearGridAction = options.addAction("&Clear Grid");
    QAction *insertRowAction = options.addAction("&Insert Row");
    QAction *printAction = options.addAction("&Print");
    QAction *saveAction = options.addAction("&Save");
    PreviewPanel *preview = nullptr;
};
