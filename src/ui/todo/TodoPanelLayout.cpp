#include "ui/todo/TodoPanel.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "ui/todo/TodoCellDelegate.h"
#include "core/todo/TodoDate.h"
#include "core/todo/TodoGridModel.h"
#include "ui/preview/PreviewPanel.h"

namespace {

// Widths of the grid's columns 0 to 4 as fractions of its width; column 5 takes what is left.
constexpr qreal ColumnWidths[] = {0.015, 0.33, 0.21, 0.21, 0.005};

// Left edge of the calendar as a fraction of the panel's width, by the date column it serves.
qreal calendarLeft(int column)
{
    return column == 2 ? 0.575 : column == 3 ? 0.28 : 0.485;
}

} // namespace

TodoPanel::TodoPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TodoPanel"));
    createControls();
    createButtons();
    layoutControls();
    connectSignals();
    qApp->installEventFilter(this);
}

TodoPanel::~TodoPanel()
{
    qApp->removeEventFilter(this);
}

void TodoPanel::createControls()
{
    grid = new TodoGridModel(this);
    gridView = new QTableView(this);
    gridView->setObjectName(QStringLiteral("VSGd1"));
    gridView->setAccessibleName(QStringLiteral("To Do Grid"));
    gridView->setModel(grid);
    auto *delegate = new TodoCellDelegate(gridView);
    gridView->setItemDelegate(delegate);
    connect(delegate, &TodoCellDelegate::typing, this, &TodoPanel::gridEditKeyPressed);
    gridView->verticalHeader()->hide();
    gridView->verticalHeader()->setDefaultSectionSize(gridView->fontMetrics().height() + 8);
    gridView->horizontalHeader()->setSectionsClickable(true);
    gridView->horizontalHeader()->setHighlightSections(false);
    gridView->horizontalHeader()->setMinimumSectionSize(1);
    gridView->setSelectionMode(QAbstractItemView::SingleSelection);
    gridView->setSelectionBehavior(QAbstractItemView::SelectItems);
    gridView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    gridView->setEditTriggers(QAbstractItemView::NoEditTriggers);

    entryBox = new QLineEdit(this);
    entryBox->setObjectName(QStringLiteral("Text1(0)"));
    entryBox->setAccessibleName(QStringLiteral("To Do Item"));
    entryBox->setMaxLength(TodoGridModel::MaxItemLength);
    itemLabel = new QLabel(QStringLiteral("To Do &Item:"), this);
    itemLabel->setBuddy(entryBox);

    namePicker = new QComboBox(this);
    namePicker->setObjectName(QStringLiteral("Combo1"));
    namePicker->setAccessibleName(QStringLiteral("Stored Items"));
    namePicker->setEditable(true);
    namePicker->lineEdit()->setAccessibleName(namePicker->accessibleName());
    namePicker->setInsertPolicy(QComboBox::NoInsert);
    namePicker->setMaxVisibleItems(15);
    // Its width follows the layout, never the longest name.
    namePicker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    namePicker->setMinimumContentsLength(12);
    auto *pickerLabel = new QLabel(QStringLiteral("Stored Ite&ms:"), this);
    pickerLabel->setObjectName(QStringLiteral("pickerLabel"));
    pickerLabel->setBuddy(namePicker);

    calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("MonthView1"));
    calendar->setAccessibleName(QStringLiteral("Calendar"));
    calendar->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(true);
    calendar->setAutoFillBackground(true);
    // The list file keeps the year in two digits, read back as 20yy.
    calendar->setDateRange(TodoDate::FirstDate, TodoDate::LastDate);
    calendar->setToolTip(
        QStringLiteral("Dates from 2000 to 2099 only: the to-do list keeps the year in two digits."));
    calendar->hide();
}

void TodoPanel::createButtons()
{
    const QString captions[] = {QString(),
                                QStringLiteral("&Delete Item fm File"),
                                QStringLiteral("&Add to To Do Grid"),
                                QStringLiteral("&Delete Item from Grid"),
                                QStringLiteral("&Print"),
                                QStringLiteral("&Save"),
                                QStringLiteral("&Clear Grid")};
    for (int i = 1; i < 7; ++i) {
        listButtons[i] = new QPushButton(captions[i], this);
        listButtons[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(listButtons[i], &QPushButton::clicked, this, &TodoPanel::hideCalendar);
    }
    connect(listButtons[1], &QPushButton::clicked, this, &TodoPanel::deleteName);
    connect(listButtons[2], &QPushButton::clicked, this, &TodoPanel::addToGrid);
    connect(listButtons[3], &QPushButton::clicked, this, &TodoPanel::deleteRow);
    connect(listButtons[4], &QPushButton::clicked, this, &TodoPanel::printList);
    connect(listButtons[5], &QPushButton::clicked, this, &TodoPanel::saveGrid);
    connect(listButtons[6], &QPushButton::clicked, this, &TodoPanel::clearGrid);
    for (int i : {1, 2, 3})
        listButtons[i]->setEnabled(false);
    spellingButton = new QPushButton(QStringLiteral("Spelling Chec&k"), this);
    spellingButton->setObjectName(QStringLiteral("Command6"));
    connect(spellingButton, &QPushButton::clicked, this, &TodoPanel::hideCalendar);
}

QList<QPushButton *> TodoPanel::commandButtons() const
{
    return {listButtons[1], listButtons[2], listButtons[3], listButtons[4],
            listButtons[5], listButtons[6], spellingButton};
}

void TodoPanel::layoutControls()
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *entryRow = new QHBoxLayout;
    entryRow->addWidget(itemLabel);
    entryRow->addWidget(entryBox, 3);
    entryRow->addWidget(findChild<QLabel *>(QStringLiteral("pickerLabel")));
    entryRow->addWidget(namePicker, 3);
    entryRow->addWidget(listButtons[2]);
    entryRow->addWidget(listButtons[1]);
    layout->addLayout(entryRow, 0, 0);
    layout->addWidget(gridView, 1, 0);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setObjectName(QStringLiteral("buttonRow"));
    for (int i : {3, 6, 4, 5})
        buttonRow->addWidget(listButtons[i]);
    buttonRow->addWidget(spellingButton);
    buttonRow->addStretch();
    layout->addLayout(buttonRow, 2, 0);
}

void TodoPanel::setExitButton(QPushButton *exit)
{
    m_exit = exit;
    listButtons[0] = exit;
    if (!exit)
        return;
    connect(exit, &QPushButton::clicked, this, &TodoPanel::hideCalendar);
}

void TodoPanel::attachMenu(QMenu *options, QAction *del, QAction *clear, QAction *insert, QAction *print,
                           QAction *save)
{
    m_options = options;
    deleteItemAction = del;
    clearGridAction = clear;
    insertRowAction = insert;
    printAction = print;
    saveAction = save;
    if (options)
        connect(options, &QMenu::aboutToShow, this, &TodoPanel::hideCalendar);
    connect(del, &QAction::triggered, this, &TodoPanel::deleteRow);
    connect(clear, &QAction::triggered, this, &TodoPanel::clearGrid);
    connect(insert, &QAction::triggered, this, &TodoPanel::insertRow);
    connect(print, &QAction::triggered, this, &TodoPanel::printList);
    connect(save, &QAction::triggered, this, &TodoPanel::saveGrid);
    del->setEnabled(listButtons[3]->isEnabled());
    insert->setEnabled(listButtons[3]->isEnabled());
    clear->setEnabled(listButtons[6]->isEnabled());
    save->setEnabled(listButtons[5]->isEnabled());
}

void TodoPanel::attachPreview(PreviewPanel *panel)
{
    m_preview = panel;
    connect(panel, &PreviewPanel::renderRequested, this, &TodoPanel::renderPrint);
    connect(panel, &PreviewPanel::closed, this, [this] {
        if (m_options)
            m_options->setEnabled(true);
    });
    for (QCheckBox *option : {panel->printOptions.value(0), panel->asOfDateOption})
        if (option)
            connect(option, &QCheckBox::toggled, this, [this] {
                if (m_preview->isVisible())
                    renderPrint();
            });
}

QList<QWidget *> TodoPanel::popupWidgets() const
{
    QList<QWidget *> widgets{const_cast<TodoPanel *>(this), gridView->viewport(), calendar, itemLabel};
    for (QPushButton *button : commandButtons())
        widgets.append(button);
    return widgets;
}

void TodoPanel::optionsMenuRequested()
{
    hideCalendar();
    makeCurrent(1, 1);
}

void TodoPanel::setGridPicture(const QImage &picture)
{
    QPalette palette = gridView->palette();
    palette.setBrush(QPalette::Base,
                     picture.isNull() ? QApplication::palette(gridView).base() : QBrush(picture));
    gridView->setPalette(palette);
}

void TodoPanel::activate()
{
    setColumnWidths();
    QCoreApplication::processEvents();
    show();
    makeCurrent(1, 1);
    if (grid->cell(1, 1).isEmpty())
        setSaveClearEnabled(false);
    focusExit();
}

void TodoPanel::setColumnWidths()
{
    const int width = gridView->viewport()->width();
    int used = 0;
    for (int c = 0; c < 5; ++c) {
        const int w = qMax(1, qRound(width * ColumnWidths[c]));
        gridView->setColumnWidth(c, w);
        used += w;
    }
    gridView->setColumnWidth(5, qMax(1, width - used));
}

void TodoPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (calendar->isVisible())
        placeCalendar(m_calendarColumn);
}

void TodoPanel::placeCalendar(int column)
{
    m_calendarColumn = column;
    const QSize hint = calendar->sizeHint();
    const int w = qMin(qMax(hint.width(), int(width() * 0.27)), width());
    const int top = gridView->y() + gridView->horizontalHeader()->height() + 4;
    const int h = qMin(hint.height(), qMax(0, height() - top));
    calendar->setGeometry(int(width() * calendarLeft(column)), top, w, h);
    calendar->raise();
}

void TodoPanel::hideCalendar()
{
    calendar->hide();
}

void TodoPanel::setSaveClearEnabled(bool on)
{
    listButtons[5]->setEnabled(on);
    listButtons[6]->setEnabled(on);
    if (saveAction)
        saveAction->setEnabled(on);
    if (clearGridAction)
        clearGridAction->setEnabled(on);
}

void TodoPanel::setDeleteEnabled(bool on)
{
    // Insert Row acts on the same row as Delete Item from Grid.
    listButtons[3]->setEnabled(on);
    if (deleteItemAction)
        deleteItemAction->setEnabled(on);
    if (insertRowAction)
        insertRowAction->setEnabled(on);
}
