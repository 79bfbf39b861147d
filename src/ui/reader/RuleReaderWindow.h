#pragma once

#include <QList>

#include "ui/shell/AreaWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RichTextBox;
class SearchPanel;
class PreviewPanel;

// The Security Rule reader: 25 rule pages, their search, preview and display fonts.
class RuleReaderWindow : public AreaWindow
{
    Q_OBJECT

  public:
    explicit RuleReaderWindow(QWidget *startScreen);

    QLabel *ruleTitle = nullptr;
    QLabel *rightClickHint = nullptr;
    QGroupBox *pageFrame = nullptr;
    QList<QRadioButton *> pageOptions;   // page 0..24
    RichTextBox *pageView = nullptr;     // the page
    RichTextBox *loadingCover = nullptr; // the cover shown while a page loads
    QPushButton *fontButton = nullptr, *printButton = nullptr, *searchButton = nullptr, *exitButton = nullptr;
    SearchPanel *searchPanel = nullptr;
    PreviewPanel *previewPanel = nullptr;

    QAction *fontDisplayAction = nullptr, *printAction = nullptr, *searchAction = nullptr,
            *exitAction = nullptr;
    // Checked: the regulation pages show the text as amended in 2013. The choice lasts for the run.
    QAction *amendedTextAction = nullptr;

    // Loads page n into the page box.
    void pageOptionClicked(int n);
    void fontClicked();
    void printClicked();
    void searchClicked();
    void exitClicked() { closeArea(); }
    void amendedTextClicked();
    static bool amendedTextShown; // for the run, across openings of the reader

  protected:
    int helpTopic() const override;
    QString helpFile() const override;
    void escapePressed() override;
    bool keyPreview(QKeyEvent *event) override;
    void windowActivated() override;

  private:
    // Layout (RuleReaderWindowLayout.cpp).
    QWidget *createPageColumn();
    QWidget *createOptionColumn();
    void createMenu();
    void connectControls();
    void load();

    void setPageCommandsEnabled(bool print, bool search);

    int m_page = -1; // the page shown, -1 before the first
};
