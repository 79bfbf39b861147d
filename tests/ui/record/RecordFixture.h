#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "core/record/RecordDatabase.h"
#include "support/SteppedClock.h"
#include "workarea/WorkAreaFixture.h"

// The work area of a workbook whose compliance record is open, as the lock's holder opens it.
class RecordStore
{
public:
    explicit RecordStore(const TempFolder &folder) : m_folder(folder.path()) { open(); }
    ~RecordStore() { RecordDatabase::install(nullptr); }

    RecordDatabase &db() { return *m_db; }
    // Closes the record and opens it again, as the next start of the program does.
    void restart()
    {
        m_db.reset();
        open();
    }

private:
    void open()
    {
        Result<RecordDatabase::Opened> opened = RecordDatabase::open(m_folder, RecordDatabase::Access::Write);
        EXPECT_TRUE(opened && opened->database);
        m_db = std::move(opened.value().database);
        RecordDatabase::install(m_db.get());
    }

    QString m_folder;
    std::unique_ptr<RecordDatabase> m_db;
};

class RecordWorkArea : public ::testing::Test
{
protected:
    RecordWorkArea() { ProgramState::PendingArea = 0; }

    // Item 6, Authorization and/or Supervision (A): category 1, tab 5.
    void openAddressableItem()
    {
        w.sectionTabs->setCurrentIndex(1);
        w.innerTabs[0]->setCurrentIndex(5);
    }
    void type(const QString &text)
    {
        w.entryEditor->setFocus();
        QTest::keyClicks(w.entryEditor, text);
    }
    void click(const char *button) { w.findChild<QPushButton *>(QString::fromLatin1(button))->click(); }
    // The dialog of that name the work area opened last.
    static QString textOf(const QString &file)
    {
        RichTextBox box;
        return box.LoadFile(file) ? box.Text() : QStringLiteral("<unreadable>");
    }
    template <typename W> W *opened(const char *name)
    {
        const QList<W *> all = w.findChildren<W *>(QString::fromLatin1(name));
        return all.isEmpty() ? nullptr : all.last();
    }

    SteppedClock clock;
    TempFolder folder;
    ScriptedDialogs dialogs;
    RecordStore record{folder};
    WorkAreaWindow w{nullptr};
};
