#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "core/record/EntryHistory.h"

class QPushButton;
class QTableWidget;
class QTextEdit;

// "History…" of one entry: its versions, newest first; one shown read-only; two compared word by word
// (removed words struck through, added ones underlined); one restored as a new save of the entry.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // `restore` puts a version's RTF into the entry and saves it; false when that failed.
    using Restore = std::function<bool(const QByteArray &rtf)>;

    HistoryWindow(int item, int kind, Restore restore, QWidget *parent = nullptr);

    QTableWidget *versionList() const { return m_list; }
    QTextEdit *view() const { return m_view; }

    void showSelected();
    void compareSelected();
    void restoreSelected();

private:
    void refresh();
    QList<int> selectedRows() const;
    // The version's text, or nothing after telling the user why it cannot be read.
    std::optional<QByteArray> contentOf(int row);

    int m_item;
    int m_kind;
    Restore m_restore;
    QList<EntryVersion> m_versions; // newest first, as listed
    QTableWidget *m_list;
    QTextEdit *m_view;
    QPushButton *m_show;
    QPushButton *m_compare;
    QPushButton *m_restoreButton;
    QPushButton *m_close;
};
