#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class RichTextBox;

// The reader's search panel searchPanel: whole words, letter case ignored, one match per step from
// SearchStart towards the end of the page, then the end message and a fresh start at position 1.
class SearchPanel : public QFrame
{
    Q_OBJECT

public:
    SearchPanel(RichTextBox &page, QWidget *parent = nullptr);

    QLabel *prompt = nullptr;
    QLineEdit *searchText = nullptr;
    QPushButton *searchButton = nullptr; // "&Search"
    QPushButton *closeButton = nullptr;  // "&Close"

    // Where the next step begins (0-based); a step never reports a match at position 0.
    int SearchStart = 1;
    // What the last step returned: its 0-based position, or -1.
    int FoundPosition = -1;

    // The reader's "&Search": closes an open panel, else opens it empty with the focus in searchText.
    void toggle();
    void searchClicked();
    void closeClicked();
    void searchTextChanged();
    // A click in the page moves the start to the caret.
    void pageClicked();
    void step();

private:
    RichTextBox &m_page;
};
