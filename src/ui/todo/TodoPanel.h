#pragma once

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>

#include "core/todo/TodoGridFile.h"
#include "core/todo/TodoNames.h"

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class PreviewPanel;
class TodoGridModel;

// The to-do list of the misc area: the grid gridView with its entry box, name picker, pop-up calendar and
// command buttons. The window hosting it supplies the Exit button, the Options-menu twins of the
// commands and the print preview panel.
class TodoPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TodoPanel(QWidget *parent = nullptr);
    ~TodoPanel() override;

    // Controls, named as the window's controls. listButtons[0] "E&xit" is the host's.
    QTableView *gridView = nullptr;
    TodoGridModel *grid = nullptr;
    QLineEdit *entryBox = nullptr;
    QComboBox *namePicker = nullptr;
    QCalendarWidget *calendar = nullptr;
    QLabel *itemLabel = nullptr;
    QPushButton *listButtons[7] = {};
    // "Spelling Chec&k", the twin of the host's spellAction; the host wires it to the spelling check.
    QPushButton *spellingButton = nullptr;
    // The host's menu items; guarded, as the host may destroy them before the panel.
    QPointer<QAction> deleteItemAction;
    QPointer<QAction> clearGridAction;
    QPointer<QAction> insertRowAction;
    QPointer<QAction> printAction;
    QPointer<QAction> saveAction;

    // Unsaved changes in the grid.
    bool gridChanged = false;
    qint16 clickedColumn = 0;
    qint16 clickedRow = 0;
    // Row acted on by Delete Item from Grid and Insert Row; 999 right after one of them.
    qint16 actionRow = 0;
    qint16 quoteTyped = 0;
    static constexpr qint16 RowActionDone = 999;

    // Editing mode of the grid: 0 none, 1 keyboard, 2 keyboard and mouse.
    int editMode() const { return m_editMode; }
    void setEditMode(int mode);

    // Host wiring: the Exit button, the Options menu with the twins of the commands, the preview panel.
    void setExitButton(QPushButton *exit);
    void attachMenu(QMenu *options, QAction *del, QAction *clear, QAction *insert, QAction *print, QAction *save);
    void attachPreview(PreviewPanel *panel);
    // Controls over which a right-button release pops up the Options menu, through `popup`.
    QList<QWidget *> popupWidgets() const;
    void setPopup(std::function<void(const QPoint &)> popup) { m_popup = std::move(popup); }
    // The Options menu is about to pop up at the pointer: the current cell becomes (1, 1).
    void optionsMenuRequested();
    // The picture behind the grid's cells; a null image for none.
    void setGridPicture(const QImage &picture);

    // Reads both files into the picker and the grid; the changes flag is cleared. A file read only in
    // part is reported once.
    void loadList();
    // Replaces the name list (the spelling check's corrections): every write of the name list file goes
    // through the panel's list, which keeps a file read only in part before replacing it.
    WriteResult replaceNames(const QStringList &names);
    // The window became active: column widths, current cell, button states, focus.
    void activate();
    void hideCalendar();

    // "&Save": writes the grid as shown; a failure is reported and the changes stay marked.
    bool saveGrid();

    // Command handlers.
    void addToGrid();
    void deleteRow();
    void insertRow();
    void clearGrid();
    void printList();
    void renderPrint();
    void deleteName();

    // Grid and calendar notifications.
    void gridClicked(int row, int column);
    void calendarDateClicked(QDate date);
    void gridEdited(int row, int column);
    void gridEditKeyPressed();
    void gridFocused();
    void gridSorted(int column, Qt::SortOrder order);
    void sortByHeading(int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createButtons();
    void layoutControls();
    void connectSignals();
    void setColumnWidths();
    void placeCalendar(int column);
    void openCalendar(int row, int column);

    void markChanged();
    void setDeleteEnabled(bool on);
    void setSaveClearEnabled(bool on);
    void setHighlight(bool on);
    void focusExit();
    void focusPrint();
    void makeCurrent(int row, int column);
    int currentRow() const;
    int currentColumn() const;
    QString entryText() const;
    void addName(const QString &text);
    // The picker lists the names held, its edit text empty.
    void showNames();
    void reportWrite(const std::optional<WriteResult> &result, const QString &what);

    bool entryKey(QKeyEvent *event);
    bool entryKeyRelease();
    bool pickerKey(QKeyEvent *event);
    void entryTextChanged();
    void entryFocused();
    void pickerFocused();
    void pickerDroppedDown();
    void nameChosen(int index);
    void commandFocused();
    // The command buttons of the panel, listButtons(1) to (6) and spellingButton.
    QList<QPushButton *> commandButtons() const;
    // Delete clears the current cell; F2 or a typed character on the current cell starts its editor.
    bool gridKey(QKeyEvent *event);
    bool clearCurrentCell();
    // The cell the calendar, Delete Item from Grid and Insert Row act on.
    void noteClick(int row, int column);
    // A date cell of a row without an item: says so and moves to the first free item cell. Text typed in
    // the entry box stays there.
    bool itemNeededFirst(int row, int column);
    void showScrollTip(int value);

    TodoNames m_names;
    // Kept from load to save: a file read only in part is copied aside before its first overwrite.
    TodoGridFile m_gridFile;
    QPointer<QPushButton> m_exit;
    QPointer<QMenu> m_options;
    QPointer<PreviewPanel> m_preview;
    std::function<void(const QPoint &)> m_popup;
    int m_editMode = 0;
    int m_calendarColumn = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
