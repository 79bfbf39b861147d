#pragma once

#include <QList>

#include "ui/shell/AreaWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RichTextBox;
class SearchPanel;
class SSPanel80;

// The Security Rule reader: 25 rule pages, their search, preview and display fonts.
class PrivRule1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit PrivRule1(QWidget *startScreen);

    QLabel *Label1 = nullptr;
    QLabel *Label8 = nullptr;
    QGroupBox *SSFrame1 = nullptr;
    QList<QRadioButton *> SSOption1; // page 0..24
    RichTextBox *RText2 = nullptr;   // the page
    RichTextBox *RText = nullptr;    // the cover shown while a page loads
    QPushButton *SSCommand3 = nullptr, *SSCommand4 = nullptr, *SSCommand5 = nullptr, *SSCommand6 = nullptr;
    SearchPanel *Panel3D3 = nullptr;
    SSPanel80 *previewPanel = nullptr;

    QAction *mOFD = nullptr, *mOPrint = nullptr, *mOSearch = nullptr, *mOExit = nullptr;
    // Checked: the regulation pages show the text as amended in 2013. The choice lasts for the run.
    QAction *mOAmended = nullptr;

    // Loads page n into the page box.
    void SSOption1_Click(int n);
    void SSCommand3_Click();
    void SSCommand4_Click();
    void SSCommand5_Click();
    void SSCommand6_Click() { closeArea(); }
    void mOAmended_Click();
    static bool amendedTextShown; // for the run, across openings of the reader

protected:
    int helpTopic() const override;
    QString helpFile() const override;
    void escapePressed() override;
    bool keyPreview(QKeyEvent *event) override;
    void Form_Activate() override;

private:
    // Layout (PrivRule1Layout.cpp).
    QWidget *createPageColumn();
    QWidget *createOptionColumn();
    void createMenu();
    void connectControls();
    void Form_Load();

    void setPageCommandsEnabled(bool print, bool search);

    int m_page = -1; // the page shown, -1 before the first
};
