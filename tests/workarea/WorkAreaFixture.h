#pragma once

#include <QAbstractItemView>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "core/workbook/HINFO1.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "support/ComboPick.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/StatusBox.h"
#include "ui/workarea/WorkArea1.h"

inline const QString savePrompt = QStringLiteral("Save changes/entries before next action?");

// A work area in a fresh program folder, driven as the user would.
class WorkArea : public ::testing::Test
{
protected:
    WorkArea() { HINFO1::PendingArea = 0; }

    void openItem(int category, int tab)
    {
        w.SSTab2->setCurrentIndex(category);
        w.innerTabs[category - 1]->setCurrentIndex(tab);
    }
    void type(const QString &text)
    {
        w.Rtext3->setFocus();
        QTest::keyClicks(w.Rtext3, text);
    }
    // The plain text a file holds, read back through the text box.
    static QString textOf(const QString &file)
    {
        RichTextBox box;
        return box.LoadFile(file) ? box.Text() : QStringLiteral("<unreadable>");
    }
    // Drops the status list and clicks one of its values, as the user picks a status.
    void pickStatus(int index) { pickFromDroppedList(w.Combo1, index); }
    int prompts() const
    {
        return static_cast<int>(std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                                              [](const auto &m) { return m.text == savePrompt; }));
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    WorkArea1 w{nullptr};
};

