#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "core/risk/RiskTableModel.h"
#include "core/risk/RiskTestDatabase.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/risk/RiskEditor.h"
#include "ui/risk/RiskRegisterWindow.h"

// A register window over a fresh database in a fresh workbook folder, shown offscreen.
class RiskRegisterFixture : public ::testing::Test
{
protected:
    void open()
    {
        window = std::make_unique<RiskRegisterWindow>(database.database());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void addRisks(const QList<Risk> &risks)
    {
        const Outcome stored = database.store().addAll(risks);
        ASSERT_TRUE(stored) << stored.error.toStdString();
    }

    void type(QComboBox *box, const QString &text)
    {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }

    // The text the table shows in `column` of each shown row.
    QStringList shownColumn(int column) const
    {
        QStringList texts;
        const QAbstractItemModel *model = window->riskTable->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    void clickRow(int row)
    {
        const QRect cell = window->riskTable->visualRect(window->riskTable->model()->index(row, 1));
        QTest::mouseClick(window->riskTable->viewport(), Qt::LeftButton, {}, cell.center());
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    RiskTestDatabase database;
    std::unique_ptr<RiskRegisterWindow> window;
};
