#include "ui/record/HistoryWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/widgets/Dialogs.h"
#include "core/rtf/Rtf.h"
#include "core/record/RecordDatabase.h"
#include "core/record/RecordItems.h"
#include "core/text/WordDiff.h"
#include "ui/record/RecordWidgets.h"

using RecordWidgets::button;

namespace {

const QString caption = QStringLiteral("Entry History");

QString plainText(const QByteArray &rtf)
{
    QTextDocument document;
    (void)Rtf::read(rtf, document); // text that is not RTF compares as empty
    return document.toPlainText();
}

// The comparison as HTML: removed words struck through in red, added ones underlined in blue.
QString comparisonHtml(const QString &before, const QString &after)
{
    QString html;
    for (const WordDiff::Run &run : WordDiff::compare(before, after).runs) {
        const QString text = run.text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        switch (run.kind) {
        case WordDiff::Kind::Removed:
            html += QStringLiteral("<s style=\"color:#b00000\">%1</s>").arg(text);
            break;
        case WordDiff::Kind::Added:
            html += QStringLiteral("<u style=\"color:#0000b0\">%1</u>").arg(text);
            break;
        case WordDiff::Kind::Same:
            html += text;
            break;
        }
    }
    return html;
}

QString when(const QDateTime &time)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(time.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm:ss AP"));
}

} // namespace

HistoryWindow::HistoryWindow(int item, int kind, Restore restore, QWidget *parent)
    : QDialog(parent), m_item(item), m_kind(kind), m_restore(std::move(restore)), m_list(new QTableWidget(this)),
      m_view(new QTextEdit(this)), m_show(button("showVersionButton", QStringLiteral("&Show"), this)),
      m_compare(button("compareButton", QStringLiteral("Co&mpare"), this)),
      m_restoreButton(button("restoreButton", QStringLiteral("&Restore as New Save"), this)),
      m_close(button("closeButton", QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("entryHistory"));
    setWindowTitle(QStringLiteral("%1 — %2 — %3").arg(caption, RecordItems::title(item), RecordItems::kindName(kind)));
    m_list->setObjectName(QStringLiteral("versionList"));
    m_list->setAccessibleName(QStringLiteral("Versions"));
    m_list->setColumnCount(4);
    m_list->setHorizontalHeaderLabels(
        {QStringLiteral("Saved"), QStringLiteral("By"), QStringLiteral("Size"), QStringLiteral("SHA-256")});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_view->setObjectName(QStringLiteral("versionView"));
    m_view->setAccessibleName(QStringLiteral("Version text"));
    m_view->setReadOnly(true);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_show, m_compare, m_restoreButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 2);
    layout->addWidget(m_view, 3);
    layout->addLayout(buttons);

    connect(m_show, &QPushButton::clicked, this, &HistoryWindow::showSelected);
    connect(m_compare, &QPushButton::clicked, this, &HistoryWindow::compareSelected);
    connect(m_restoreButton, &QPushButton::clicked, this, &HistoryWindow::restoreSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &HistoryWindow::showSelected);
    const RecordDatabase *record = RecordDatabase::current();
    m_restoreButton->setEnabled(bool(m_restore) && record && !record->isReadOnly());
    refresh();
    resize(900, 700);
}

void HistoryWindow::refresh()
{
    m_versions.clear();
    if (RecordDatabase *record = RecordDatabase::current()) {
        Result<QList<EntryVersion>> read = EntryHistory(*record).versions(m_item, m_kind);
        if (read)
            m_versions = read.value();
        else
            Dialogs::current().messageBox(read.error(), Dialogs::OkOnly + Dialogs::Exclamation, caption);
    }
    std::reverse(m_versions.begin(), m_versions.end());
    m_list->setRowCount(int(m_versions.size()));
    for (int r = 0; r < m_versions.size(); ++r) {
        const EntryVersion &v = m_versions[r];
        const QStringList cells{when(v.savedAt), v.savedBy.isEmpty() ? QStringLiteral("(before the history)") : v.savedBy,
                                QLocale(QLocale::English).toString(v.size) + QStringLiteral(" bytes"),
                                QString::fromLatin1(v.sha256)};
        for (int c = 0; c < cells.size(); ++c)
            m_list->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    m_list->resizeColumnsToContents();
    if (!m_versions.isEmpty())
        m_list->selectRow(0);
}

QList<int> HistoryWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<QByteArray> HistoryWindow::contentOf(int row)
{
    RecordDatabase *record = RecordDatabase::current();
    if (!record || row < 0 || row >= m_versions.size())
        return std::nullopt;
    Result<QByteArray> read = EntryHistory(*record).content(m_versions[row].id);
    if (!read) {
        Dialogs::current().messageBox(read.error(), Dialogs::OkOnly + Dialogs::Exclamation, caption);
        return std::nullopt;
    }
    return read.value();
}

void HistoryWindow::showSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (const std::optional<QByteArray> rtf = contentOf(rows.first()))
        if (!Rtf::read(*rtf, *m_view->document()).ok)
            m_view->setPlainText(QString::fromLatin1(*rtf));
}

void HistoryWindow::compareSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 2) {
        Dialogs::current().messageBox(QStringLiteral("Select two versions to compare."),
                                      Dialogs::OkOnly + Dialogs::Information, caption);
        return;
    }
    // Listed newest first: the lower row is the older version.
    const std::optional<QByteArray> older = contentOf(rows[1]);
    const std::optional<QByteArray> newer = older ? contentOf(rows[0]) : std::nullopt;
    if (newer)
        m_view->setHtml(comparisonHtml(plainText(*older), plainText(*newer)));
}

void HistoryWindow::restoreSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.size() != 1 || !m_restore)
        return;
    const std::optional<QByteArray> rtf = contentOf(rows.first());
    if (!rtf)
        return;
    const int answer = Dialogs::current().messageBox(
        QStringLiteral("Restore the version saved %1 as a new save of this entry?\r\rThe text it holds now stays in "
                       "the history.")
            .arg(when(m_versions[rows.first()].savedAt)),
        Dialogs::YesNo + Dialogs::Question, caption);
    if (answer == Dialogs::Yes && m_restore(*rtf))
        refresh();
}
