#include "ui/todo/TodoPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "core/workbook/Clock.h"
#include "core/workbook/ProgramState.h"
#include "ui/widgets/Dialogs.h"
#include "ui/preview/PrintPreview.h"
#include "core/todo/TodoGridModel.h"
#include "core/todo/TodoPrint.h"
#include "ui/preview/PreviewPanel.h"

namespace {

const QString ListCaption = QStringLiteral("To Do List");
const QColor DeleteHighlight(255, 0, 0);

// A question with No as the default answer.
int ask(const QString &text, const QString &caption)
{
    return Dialogs::current().messageBox(text, Dialogs::YesNoCancel + Dialogs::Question + Dialogs::DefaultButton2,
                                         caption);
}

void reportFailure(const QString &what, const QString &reason)
{
    Dialogs::current().messageBox(what + QStringLiteral("\n\n") + reason +
                                      QStringLiteral("\n\nThe to-do list is still shown; nothing has been lost."),
                                  Dialogs::OkOnly + Dialogs::Critical, QStringLiteral("Save Failed"));
}

// An installed family, or a name the font configuration maps onto one of its own (Times New Roman onto
// its metric-compatible stand-in) rather than onto the fallback of unknown names.
bool hasFontFamily(const QString &family)
{
    if (QFontDatabase::hasFamily(family))
        return true;
    const QString fallback = QFontInfo(QFont(QStringLiteral("no such family"))).family();
    return QFontInfo(QFont(family)).family() != fallback;
}

} // namespace

void TodoPanel::loadList()
{
    entryBox->clear();
    QStringList notes{m_names.load()};
    showNames();
    const LoadedFile<TodoGrid> loaded = m_gridFile.load();
    grid->setGrid(loaded.contents);
    if (loaded.partial)
        notes.append(loaded.note);
    gridChanged = false;
    notes.removeAll(QString());
    if (!notes.isEmpty())
        Dialogs::current().messageBox(notes.join(QStringLiteral("\n\n")), Dialogs::OkOnly + Dialogs::Exclamation,
                                      ListCaption);
}

void TodoPanel::showNames()
{
    namePicker->clear();
    namePicker->addItems(m_names.names());
    namePicker->setEditText(QString());
}

WriteResult TodoPanel::replaceNames(const QStringList &names)
{
    const WriteResult result = m_names.replace(names);
    showNames();
    return result;
}

bool TodoPanel::saveGrid()
{
    ProgramState::busyOn();
    const WriteResult result = m_gridFile.save(grid->grid());
    ProgramState::busyOff();
    if (!result) {
        reportFailure(QStringLiteral("The to-do list could not be saved to %1.")
                          .arg(QString::fromLatin1(TodoGridFile::DefaultFileName)),
                      result.error);
        gridChanged = true;
        return false;
    }
    gridChanged = false;
    return true;
}

void TodoPanel::addName(const QString &text)
{
    listButtons[1]->setEnabled(false);
    listButtons[2]->setEnabled(false);
    const auto result = m_names.addIfNew(text);
    if (!result)
        return;
    showNames();
    reportWrite(result, QStringLiteral("The item could not be added to %1."));
    entryBox->clear();
}

void TodoPanel::deleteName()
{
    const auto result = m_names.remove(entryText());
    if (!result)
        return;
    entryBox->clear();
    showNames();
    reportWrite(result, QStringLiteral("The item could not be deleted from %1."));
    listButtons[1]->setEnabled(false);
    listButtons[2]->setEnabled(false);
}

void TodoPanel::reportWrite(const std::optional<WriteResult> &result, const QString &what)
{
    if (result && !*result)
        reportFailure(what.arg(QString::fromLatin1(NameListFile::DefaultFileName)), result->error);
}

void TodoPanel::addToGrid()
{
    const QString text = entryText();
    if (text.trimmed().isEmpty())
        return;
    const int row = grid->grid().firstRowWithoutItem();
    if (row > 0) {
        grid->setCell(row, TodoGrid::ItemColumn, text);
        addName(text);
        entryBox->clear();
        markChanged();
        makeCurrent(row, TodoGrid::ItemColumn);
    }
    setEditMode(0);
    focusExit();
}

void TodoPanel::deleteRow()
{
    const int row = actionRow;
    if (row < 1 || row > TodoGrid::Rows)
        return;
    setEditMode(0);
    grid->setHighlight(row, DeleteHighlight);
    const QString item = grid->cell(row, TodoGrid::ItemColumn);
    const QString question = item.isEmpty() ? QStringLiteral("Delete This Row?")
                                            : QStringLiteral("Delete Activity and Dates for - \n") + item +
                                                  QStringLiteral(", ") + grid->cell(row, 2) + QStringLiteral("?");
    // The current cell's selection would hide the red of its cell.
    gridView->clearSelection();
    const int answer = ask(question, QStringLiteral("Delete Row"));
    grid->setHighlight(0);
    if (answer != Dialogs::Yes) {
        gridView->setCurrentIndex(gridView->currentIndex());
        return;
    }
    grid->removeListRow(row);
    makeCurrent(row, qMax(1, currentColumn()));
    setEditMode(0);
    actionRow = RowActionDone;
}

void TodoPanel::insertRow()
{
    const int row = actionRow;
    if (row < 1 || row > TodoGrid::Rows)
        return;
    grid->insertListRow(row);
    makeCurrent(row, qMax(1, currentColumn()));
    actionRow = RowActionDone;
    setEditMode(0);
    focusExit();
}

void TodoPanel::clearGrid()
{
    if (ask(QStringLiteral("Do you really want To Clear the Grid?"), QStringLiteral("Clear Grid")) != Dialogs::Yes)
        return;
    grid->clear();
    markChanged();
}

void TodoPanel::printList()
{
    if (!m_preview)
        return;
    if (!grid->grid().hasItems()) {
        Dialogs::current().messageBox(QStringLiteral("There are currently No Entries to Print!"),
                                      Dialogs::OkOnly + Dialogs::Information, QStringLiteral("Print"));
        return;
    }
    setEditMode(0);
    if (m_options)
        m_options->setEnabled(false);
    PrinterSettings::Font = TodoPrint::printerFont(PrinterSettings::Font, entryBox->font(), hasFontFamily);
    for (QPushButton *command : m_preview->pageCommands)
        command->setEnabled(true);
    m_preview->showPrinterFont();
    m_preview->open();
    m_preview->enlargeButton->raise();
    m_preview->pageCommands.first()->setFocus();
    QCoreApplication::processEvents();
    renderPrint();
}

void TodoPanel::renderPrint()
{
    if (!m_preview)
        return;
    ProgramState::busyOn();
    const TodoPrint::Options options{m_preview->printOptions.value(0) &&
                                         m_preview->printOptions.first()->isChecked(),
                                     m_preview->asOfDateOption && m_preview->asOfDateOption->isChecked()};
    TodoPrint::layout(m_preview->printPreview->document(), grid->grid(), PrinterSettings::Font, options,
                      Clock::current().now().date());
    ProgramState::busyOff();
}
