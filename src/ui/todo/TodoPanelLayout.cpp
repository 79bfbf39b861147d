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
    VSGd1 = new QTableView(this);
    VSGd1->setObjectName(QStringLiteral("VSGd1"));
    VSGd1->setAccessibleName(QStringLiteral("To Do Grid"));
    VSGd1->setModel(grid);
    auto *delegate = new TodoCellDelegate(VSGd1);
    VSGd1->setItemDelegate(delegate);
    connect(delegate, &TodoCellDelegate::typing, this, &TodoPanel::VSGd1_KeyPressEdit);
    VSGd1->verticalHeader()->hide();
    VSGd1->verticalHeader()->setDefaultSectionSize(VSGd1->fontMetrics().height() + 8);
    VSGd1->horizontalHeader()->setSectionsClickable(true);
    VSGd1->horizontalHeader()->setHighlightSections(false);
    VSGd1->horizontalHeader()->setMinimumSectionSize(1);
    VSGd1->setSelectionMode(QAbstractItemView::SingleSelection);
    VSGd1->setSelectionBehavior(QAbstractItemView::SelectItems);
    VSGd1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VSGd1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    VSGd1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    Text1_0 = new QLineEdit(this);
    Text1_0->setObjectName(QStringLiteral("Text1(0)"));
    Text1_0->setAccessibleName(QStringLiteral("To Do Item"));
    Text1_0->setMaxLength(TodoGridModel::MaxItemLength);
    itemLabel = new QLabel(QStringLiteral("To Do &Item:"), this);
    itemLabel->setBuddy(Text1_0);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Stored Items"));
    Combo1->setEditable(true);
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(15);
    // Its width follows the layout, never the longest name.
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Combo1->setMinimumContentsLength(12);
    auto *pickerLabel = new QLabel(QStringLiteral("Stored Ite&ms:"), this);
    pickerLabel->setObjectName(QStringLiteral("pickerLabel"));
    pickerLabel->setBuddy(Combo1);

    MonthView1 = new QCalendarWidget(this);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setAccessibleName(QStringLiteral("Calendar"));
    MonthView1->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setGridVisible(true);
    MonthView1->setAutoFillBackground(true);
    // The list file keeps the year in two digits, read back as 20yy.
    MonthView1->setDateRange(TodoDate::FirstDate, TodoDate::LastDate);
    MonthView1->setToolTip(QStringLiteral("Dates from 2000 to 2099 only: the to-do list keeps the year in two digits."));
    MonthView1->hide();
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
        Command1[i] = new QPushButton(captions[i], this);
        Command1[i]->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        connect(Command1[i], &QPushButton::clicked, this, &TodoPanel::hideCalendar);
    }
    connect(Command1[1], &QPushButton::clicked, this, &TodoPanel::deleteName);
    connect(Command1[2], &QPushButton::clicked, this, &TodoPanel::addToGrid);
    connect(Command1[3], &QPushButton::clicked, this, &TodoPanel::deleteRow);
    connect(Command1[4], &QPushButton::clicked, this, &TodoPanel::printList);
    connect(Command1[5], &QPushButton::clicked, this, &TodoPanel::saveGrid);
    connect(Command1[6], &QPushButton::clicked, this, &TodoPanel::clearGrid);
    for (int i : {1, 2, 3})
        Command1[i]->setEnabled(false);
    Command6 = new QPushButton(QStringLiteral("Spelling Chec&k"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    connect(Command6, &QPushButton::clicked, this, &TodoPanel::hideCalendar);
}

QList<QPushButton *> TodoPanel::commandButtons() const
{
    return {Command1[1], Command1[2], Command1[3], Command1[4], Command1[5], Command1[6], Command6};
}

void TodoPanel::layoutControls()
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *entryRow = new QHBoxLayout;
    entryRow->addWidget(itemLabel);
    entryRow->addWidget(Text1_0, 3);
    entryRow->addWidget(findChild<QLabel *>(QStringLiteral("pickerLabel")));
    entryRow->addWidget(Combo1, 3);
    entryRow->addWidget(Command1[2]);
    entryRow->addWidget(Command1[1]);
    layout->addLayout(entryRow, 0, 0);
    layout->addWidget(VSGd1, 1, 0);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setObjectName(QStringLiteral("buttonRow"));
    for (int i : {3, 6, 4, 5})
        buttonRow->addWidget(Command1[i]);
    buttonRow->addWidget(Command6);
    buttonRow->addStretch();
    layout->addLayout(buttonRow, 2, 0);
}

void TodoPanel::setExitButton(QPushButton *exit)
{
    m_exit = exit;
    Command1[0] = exit;
    if (!exit)
        return;
    connect(exit, &QPushButton::clicked, this, &TodoPanel::hideCalendar);
}

void TodoPanel::attachMenu(QMenu *options, QAction *del, QAction *clear, QAction *insert, QAction *print,
                           QAction *save)
{
    m_options = options;
    mODel = del;
    mOCl = clear;
    mOIN = insert;
    mOPrt = print;
    mOS = save;
    if (options)
        connect(options, &QMenu::aboutToShow, this, &TodoPanel::hideCalendar);
    connect(del, &QAction::triggered, this, &TodoPanel::deleteRow);
    connect(clear, &QAction::triggered, this, &TodoPanel::clearGrid);
    connect(insert, &QAction::triggered, this, &TodoPanel::insertRow);
    connect(print, &QAction::triggered, this, &TodoPanel::printList);
    connect(save, &QAction::triggered, this, &TodoPanel::saveGrid);
    del->setEnabled(Command1[3]->isEnabled());
    insert->setEnabled(Command1[3]->isEnabled());
    clear->setEnabled(Command1[6]->isEnabled());
    save->setEnabled(Command1[5]->isEnabled());
}

void TodoPanel::attachPreview(SSPanel80 *panel)
{
    m_preview = panel;
    connect(panel, &SSPanel80::renderRequested, this, &TodoPanel::renderPrint);
    connect(panel, &SSPanel80::closed, this, [this] {
        if (m_options)
            m_options->setEnabled(true);
    });
    for (QCheckBox *option : {panel->SSCheck80.value(0), panel->SSCheck81})
        if (option)
            connect(option, &QCheckBox::toggled, this, [this] {
                if (m_preview->isVisible())
                    renderPrint();
            });
}

QList<QWidget *> TodoPanel::popupWidgets() const
{
    QList<QWidget *> widgets{const_cast<TodoPanel *>(this), VSGd1->viewport(), MonthView1, itemLabel};
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
    QPalette palette = VSGd1->palette();
    palette.setBrush(QPalette::Base, picture.isNull() ? QApplication::palette(VSGd1).base() : QBrush(picture));
    VSGd1->setPalette(palette);
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
    const int width = VSGd1->viewport()->width();
    int used = 0;
    for (int c = 0; c < 5; ++c) {
        const int w = qMax(1, qRound(width * ColumnWidths[c]));
        VSGd1->setColumnWidth(c, w);
        used += w;
    }
    VSGd1->setColumnWidth(5, qMax(1, width - used));
}

void TodoPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (MonthView1->isVisible())
        placeCalendar(m_calendarColumn);
}

void TodoPanel::placeCalendar(int column)
{
    m_calendarColumn = column;
    const QSize hint = MonthView1->sizeHint();
    const int w = qMin(qMax(hint.width(), int(width() * 0.27)), width());
    const int top = VSGd1->y() + VSGd1->horizontalHeader()->height() + 4;
    const int h = qMin(hint.height(), qMax(0, height() - top));
    MonthView1->setGeometry(int(width() * calendarLeft(column)), top, w, h);
    MonthView1->raise();
}

void TodoPanel::hideCalendar()
{
    MonthView1->hide();
}

void TodoPanel::setSaveClearEnabled(bool on)
{
    Command1[5]->setEnabled(on);
    Command1[6]->setEnabled(on);
    if (mOS)
        mOS->setEnabled(on);
    if (mOCl)
        mOCl->setEnabled(on);
}

void TodoPanel::setDeleteEnabled(bool on)
{
    // Insert Row acts on the same row as Delete Item from Grid.
    Command1[3]->setEnabled(on);
    if (mODel)
        mODel->setEnabled(on);
    if (mOIN)
        mOIN->setEnabled(on);
}
