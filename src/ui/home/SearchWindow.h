#pragma once

#include <QDialog>

#include "core/home/Place.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SearchService;

// "Search Everything": a word or phrase across the rule, the items' texts, the entries and the lists;
// the results grouped by where they are, each with its line and the words marked. Opening a result
// emits openRequested() with the place and the words to select.
class SearchWindow : public QDialog
{
    Q_OBJECT

public:
    SearchWindow(SearchService &service, QWidget *parent = nullptr);

    QLineEdit *searchText = nullptr;
    QPushButton *searchButton = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *closeButton = nullptr;
    QTreeWidget *results = nullptr;
    QLabel *statusLabel = nullptr;

    // Runs the search for the text typed, or once the index is ready.
    void search();
    // Opens the current result; false when none is chosen.
    bool openCurrent();

signals:
    void openRequested(const Place &place);

private:
    void showAnswer();
    void updateOpenButton();

    SearchService &m_service;
    bool m_waiting = false;
};
