#pragma once

#include <QImage>
#include <QList>
#include <functional>
#include <memory>

#include "ui/shell/AreaWindow.h"
#include "core/workbook/StatusStore.h"

class GridBackgroundSelector;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class RecordBar;
class ReferenceViews;
class RichTextBox;
class PreviewPanel;
class StatusBox;
class WorkAreaPreview;

// Where the report and writing-tool parts plug into the window. A button whose hook is not set stays
// disabled.
struct WorkAreaHooks
{
    std::function<void()> printOverview; // printOverviewButton, printAction in category 0
    std::function<void()> printEntry;    // printButton, printAction elsewhere
    std::function<void()> selectFont;    // fontButton, fontAction
    std::function<void()> thesaurus;     // thesaurusButton, thesaurusAction
    std::function<void()> spellCheck;    // spellButton, spellAction
};

// The Office Action Area: categories, items, entries and statuses of the safeguard catalogue.
class WorkAreaWindow : public AreaWindow
{
    Q_OBJECT

  public:
    explicit WorkAreaWindow(QWidget *startScreen, WorkAreaHooks hooks = {});
    ~WorkAreaWindow() override;

    // Window state.
    qint16 CurrentCategory = 0;
    qint16 CurrentItemTab = 0;
    qint16 EntryKind = 0;
    qint16 EntryChanged = 0;
    qint16 ChangeGuard = 0;
    QString CurrentFileName;
    StatusTable statusTable;

    // Controls.
    QTabWidget *sectionTabs = nullptr;
    QList<QTabWidget *> innerTabs; // SSTab3..SSTab7 for categories 1..5
    QLabel *backdropLabel = nullptr, *overviewTitle = nullptr, *overviewHeading = nullptr,
           *overviewLegend = nullptr;
    QLabel *standardText = nullptr, *sectionText = nullptr, *specificationText = nullptr,
           *statusCaption = nullptr, *sampleHeading = nullptr;
    QGroupBox *categoryFrame = nullptr, *referencesFrame = nullptr, *actionsFrame = nullptr,
              *alignmentFrame = nullptr;
    QList<QRadioButton *> categoryOptions; // overview category 0..2
    QRadioButton *ruleReferencesOption = nullptr, *actionTakenOption = nullptr, *commentsOption = nullptr;
    QRadioButton *policiesOption = nullptr, *specificationOption = nullptr, *additionalInfoOption = nullptr;
    QList<QRadioButton *> alignmentOptions; // alignment 0 left, 1 centre, 2 right
    QTableWidget *overviewGrid = nullptr;
    QPushButton *printOverviewButton = nullptr, *overviewExitButton = nullptr, *printButton = nullptr,
                *saveButton = nullptr;
    QPushButton *exitButton = nullptr, *fontButton = nullptr, *thesaurusButton = nullptr,
                *spellButton = nullptr;
    QFrame *itemPanel = nullptr;
    QPushButton *riskRegisterButton = nullptr; // shown on the two risk items
    StatusBox *statusBox = nullptr;
    RichTextBox *entryEditor = nullptr;
    QList<RichTextBox *> referenceBuffers; // hidden buffers of the reference views
    PreviewPanel *previewPanel = nullptr;
    WorkAreaPreview *printing = nullptr; // the panel's report modes
    GridBackgroundSelector *gridBackground = nullptr;

    QAction *areaSeparator = nullptr, *gridSeparator = nullptr, *fontAction = nullptr,
            *fontSeparator = nullptr, *spellAction = nullptr;
    QAction *spellSeparator = nullptr, *thesaurusAction = nullptr, *thesaurusSeparator = nullptr,
            *printAction = nullptr, *printSeparator = nullptr;
    QAction *saveAction = nullptr, *saveSeparator = nullptr, *exitAction = nullptr, *gridMenuAction = nullptr;
    // The compliance record beside the item, and its windows in the Options menu.
    RecordBar *recordBar = nullptr;
    QAction *mORegister = nullptr, *mOReviews = nullptr, *mORecordReport = nullptr;

    // Handlers.
    void sectionTabClicked();
    void innerTabClicked(int category);
    void viewOptionClicked(QRadioButton *option);
    void categoryOptionClicked(int index);
    void alignmentClicked(int index);
    void saveClicked();
    void exitClicked() { closeArea(); }
    void statusChosen();
    void entryEdited();
    void entryClicked();

    // Asks to save an edited entry. False only when the user chose to save and the save failed: the step
    // that asked must not replace the text.
    bool confirmSaveChanges();
    // The status overview of category 0..2 (Administrative, Physical, Technical).
    void fillOverview(int category);

  protected:
    int helpTopic() const override;
    QString helpFile() const override;
    bool confirmLeave() override;
    void escapePressed() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void windowActivated() override;
    void resizeEvent(QResizeEvent *event) override;

  private:
    // Layout (WorkAreaWindowLayout.cpp).
    void createOverviewPage(QWidget *page);
    void createWorkPanel(QWidget *parent);
    QWidget *createPanelControls();
    void createMenu();
    void placeWorkPanel();
    void load();

    // Navigation (WorkAreaWindowNavigation.cpp).
    void selectCategory(int category);
    void showCategoryMenu(bool itemCategory);
    void selectItem(int category);
    void setItemLabels(int category, int tab);
    void clearViews();
    QRadioButton *selectedView() const;
    void setTabStops(bool on);

    // Entries and statuses (WorkAreaWindowEntries.cpp).
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
    // The file was saved, but the compliance record could not keep the change.
    static void reportRecordFailure(const QString &reason);
    // An entry file larger than an entry may hold was kept aside and is not shown.
    static void tellTooLarge(const QString &path, qint64 limit);
    void sizeOverview();
    // Shows the record of the item and entry on show (WorkAreaWindowRecord.cpp).
    void createRecordBar();
    void addRecordMenuItems();
    void updateRecordBar();
    void paintGridBackground();

    WorkAreaHooks m_hooks;
    std::unique_ptr<ReferenceViews> m_references;
    QButtonGroup *m_views = nullptr;
    QWidget *m_commandRow = nullptr;
    QList<std::pair<QWidget *, Qt::FocusPolicy>> m_tabStopped;
    QList<int> m_shownItem; // per inner strip, the tab whose content is on show
    QRadioButton *m_shownView = nullptr;
    QImage m_gridPicture;
    bool m_reverting = false;
};
