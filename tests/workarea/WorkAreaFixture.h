#pragma once

#include <QAbstractItemView>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "core/workbook/ProgramState.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "support/ComboPick.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "ui/workarea/StatusBox.h"
#include "ui/workarea/WorkAreaWindow.h"

inline const QString savePrompt = QStringLiteral("Save changes/entries before next action?");

// A work area in a fresh program folder, driven as the user would.
class WorkArea : public ::testing::Test
{
protected:
  WorkArea() { ProgramState::PendingArea = 0; }

  void openItem(int category, int tab)
  {
      w.sectionTabs->setCurrentIndex(category);
      w.innerTabs[category - 1]->setCurrentIndex(tab);
    }
    void type(const QString &text)
    {
        w.entryEditor->setFocus();
        QTest::keyClicks(w.entryEditor, text);
    }
    // The plain text a file holds, read back through the text box.
    static QString textOf(const QString &file)
    {
        RichTextBox box;
        return box.LoadFile(file) ? box.Text() : QStringLiteral("<unreadable>");
    }
    // Drops the status list and clicks one of its values, as the user picks a status.
    void pickStatus(int index) { pickFromDroppedList(w.statusBox, index); }
    int prompts() const
    {
        return static_cast<int>(std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                                              [](const auto &m) { return m.text == savePrompt; }));
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    WorkAreaWindow w{nullptr};
};

