#pragma once

#include <QImage>
#include <QList>
#include <functional>
#include <memory>

#include "app/AreaWindow.h"
#include "workarea/store/StatusStore.h"

class GridBackgroundSelector;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class ReferenceViews;
class RichTextBox;
class SSPanel80;
class StatusBox;
class WorkAreaPreview;

// Where the report and writing-tool parts plug into the window. A button whose hook is not set stays
// disabled.
struct WorkAreaHooks {
    std::function<void()> printOverview;  // SSCommand3, mOPrint in category 0
    std::function<void()> printEntry;     // SSCommand5, mOPrint elsewhere
    std::function<void()> selectFont;     // SSCommand8, mOFont
    std::function<void()> thesaurus;      // SSCommand9, mOThes
    std::function<void()> spellCheck;     // SSCommand10, mOSpell
};

// The Office Action Area: categories, items, entries and statuses of the safeguard catalogue.
class WorkArea1 : public AreaWindow
{
    Q_OBJECT

public:
    explicit WorkArea1(QWidget *startScreen, WorkAreaHooks hooks = {});
    ~WorkArea1() override;

    // Window state.
    qint16 CurrentCategory = 0;
    qint16 CurrentItemTab = 0;
    qint16 EntryKind = 0;
    qint16 EntryChanged = 0;
    qint16 ChangeGuard = 0;
    QString CurrentFileName;
    StatusTable statusTable;

    // Controls.
    QTabWidget *SSTab2 = nullptr;
    QList<QTabWidget *> innerTabs; // SSTab3..SSTab7 for categories 1..5
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label9 = nullptr, *Label12 = nullptr;
    QGroupBox *SSFrame1 = nullptr, *SSFrame2 = nullptr, *SSFrame3 = nullptr, *SSFrame4 = nullptr;
    QList<QRadioButton *> SSOption1; // overview category 0..2
    QRadioButton *SSOption2 = nullptr, *SSOption3 = nullptr, *SSOption4 = nullptr;
    QRadioButton *SSOption5 = nullptr, *SSOption6 = nullptr, *SSOption7 = nullptr;
    QList<QRadioButton *> SSOption8; // alignment 0 left, 1 centre, 2 right
    QTableWidget *VSGd1 = nullptr;
    QPushButton *SSCommand3 = nullptr, *SSCommand4 = nullptr, *SSCommand5 = nullptr, *SSCommand6 = nullptr;
    QPushButton *SSCommand7 = nullptr, *SSCommand8 = nullptr, *SSCommand9 = nullptr, *SSCommand10 = nullptr;
    QFrame *SSPanel1 = nullptr;
    QPushButton *riskRegisterButton = nullptr; // shown on the two risk items
    StatusBox *Combo1 = nullptr;
    RichTextBox *Rtext3 = nullptr;
    QList<RichTextBox *> RText1; // hidden buffers of the reference views
    SSPanel80 *previewPanel = nullptr;
    WorkAreaPreview *printing = nullptr; // the panel's report modes
    GridBackgroundSelector *gridBackground = nullptr;

    QAction *mO7 = nullptr, *mO8 = nullptr, *mOFont = nullptr, *mO1 = nullptr, *mOSpell = nullptr;
    QAction *mO2 = nullptr, *mOThes = nullptr, *mO3 = nullptr, *mOPrint = nullptr, *mO4 = nullptr;
    QAction *mOSave = nullptr, *mO5 = nullptr, *mOExit = nullptr, *mOGridMenu = nullptr;

    // Handlers.
    void SSTab2_Click();
    void innerTab_Click(int category);
    void viewOption_Click(QRadioButton *option);
    void SSOption1_Click(int index);
    void SSOption8_Click(int index);
    void SSCommand6_Click();
    void SSCommand7_Click() { closeArea(); }
    void Combo1_Click();
    void Rtext3_Change();
    void Rtext3_Click();

    // Asks to save an edited entry. False only when the user chose to save and the save failed: the step
    // that asked must not replace the text.
    bool ConfirmSaveChanges();
    // The status overview of category 0..2 (Administrative, Physical, Technical).
    void fillOverview(int category);

protected:
    int helpTopic() const override;
    QString helpFile() const override;
    bool confirmLeave() override;
    void escapePressed() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void Form_Activate() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Layout (WorkArea1Layout.cpp).
    void createOverviewPage(QWidget *page);
    void createWorkPanel(QWidget *parent);
    QWidget *createPanelControls();
    void createMenu();
    void placeWorkPanel();
    void Form_Load();

    // Navigation (WorkArea1Navigation.cpp).
    void selectCategory(int category);
    void showCategoryMenu(bool itemCategory);
    void selectItem(int category);
    void setItemLabels(int category, int tab);
    void clearViews();
    QRadioButton *selectedView() const;
    void setTabStops(bool on);

    // Entries and statuses (WorkArea1Entries.cpp).
    void selectView(QRadioButton *option);
    void applyViewState(QRadioButton *option);
    void enableEntryCommands(bool entry);
    bool isEntryView(const QRadioButton *option) const;
    void loadEntry();
    bool saveEntry();
    void emptyBox();
    void showStatus(int specNumber);
    void showReference(QRadioButton *option);
    void reportSaveFailure(const QString &what, const QString &reason);
    // An entry file larger than an entry may hold was kept aside and is not shown.
    static void tellTooLarge(const QString &path, qint64 limit);
    void sizeOverview();
    void paintGridBackground();

    WorkAreaHooks m_hooks;
    std::unique_ptr<ReferenceViews> m_references;
    QButtonGroup *m_views = nullptr;
    QWidget *m_commandRow = nullptr;
    QList<std::pair<QWidget *, Qt::FocusPolicy>> m_tabStopped;
    QList<int> m_shownItem;             // per inner strip, the tab whose content is on show
    QRadioButton *m_shownView = nullptr;
    QImage m_gridPicture;
    bool m_reverting = false;
};
