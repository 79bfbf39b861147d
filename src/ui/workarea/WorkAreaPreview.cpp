#include "ui/workarea/WorkAreaPreview.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>

#include "core/workbook/ProgramState.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/rtf/RtfPaper.h"
#include "core/print/PrinterSettings.h"
#include "core/reports/ReferenceReport.h"
#include "ui/workarea/ReferenceViews.h"
#include "core/reports/StatusReport.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/WorkAreaWindow.h"

namespace {

const QString allSafeguards = QStringLiteral("All Safeguards");
const QString statusFontName = QStringLiteral("Times New Roman");
constexpr int statusFontSize = 10;

// The paper an entry prints on: the one its file names, else the default printer's.
QPageSize entryPaper(const QTextDocument &entry)
{
    const QSize named = Rtf::paperSize(entry);
    if (named.isValid())
        return QPageSize(QSizeF(named) / 1440, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    const QPageSize printers = QPrinterInfo::defaultPrinter().defaultPageSize();
    return printers.isValid() ? printers : QPageSize(QPageSize::Letter);
}

} // namespace

WorkAreaPreview::WorkAreaPreview(WorkAreaWindow &window)
    : QObject(&window), m_window(window), m_panel(*window.previewPanel),
      m_views(std::make_unique<ReferenceViews>(*window.referenceBuffers[0], *window.referenceBuffers[1],
                                               *window.referenceBuffers[2], *window.entryEditor)),
      m_report(std::make_unique<ReferenceReport>(m_views->producer(), m_views->buffers()))
{
    for (int i = 0; i < m_panel.printOptions.size(); ++i)
        connect(m_panel.printOptions[i], &QCheckBox::toggled, this, [this, i] { printOptionClicked(i); });
    connect(&m_panel, &PreviewPanel::renderRequested, this, &WorkAreaPreview::rerender);
    connect(&m_panel, &PreviewPanel::closed, this, [this] {
        if (m_window.sectionTabs->currentIndex() != 0)
            m_window.itemPanel->show();
    });
}

WorkAreaPreview::~WorkAreaPreview() = default;

bool WorkAreaPreview::statusMode() const
{
    return m_panel.printOptions[0]->text() == allSafeguards;
}

void WorkAreaPreview::printOverviewClicked()
{
    m_panel.printPreview->document().discard();
    suppressNextClick = 0;
    m_panel.pageCommands[0]->setEnabled(false);
    m_panel.pageCommands[1]->setEnabled(false);
    setCaptions({allSafeguards, QStringLiteral("Administrative Safeguards"),
                 QStringLiteral("Physical Safeguards"), QStringLiteral("Technical Safeguards")});
    for (int i = 0; i < 4; ++i) {
        m_panel.printOptions[i]->setEnabled(true);
        setChecked(i, false);
    }
    showStatusFont();
    m_panel.printPreview->document().setOrientation(0);
    m_panel.fontDisplays[2]->setText(QStringLiteral("Portrait"));
    m_panel.printOptions[3]->setVisible(true);
    m_panel.printPreview->document().setTitle(QStringLiteral("Status Report"));
    QCoreApplication::processEvents();
    m_panel.open();
    for (int i = 0; i < 3; ++i)
        if (m_window.categoryOptions[i]->isChecked())
            setChecked(i + 1, true);
}

void WorkAreaPreview::printClicked()
{
    m_panel.printPreview->document().discard();
    for (int i = 0; i < 4; ++i)
        m_panel.printOptions[i]->setEnabled(true);
    m_panel.printOptions[3]->setVisible(false);
    m_clearing = true;
    for (int i = 0; i < 4; ++i)
        setChecked(i, false);
    m_clearing = false;
    m_panel.printOptionsFrame->setVisible(true);
    PrinterSettings::Font.assign(m_window.entryEditor->baseFont(), Qt::black);
    if (PrinterSettings::Font.size <= 0)
        PrinterSettings::Font.size = 10;
    PrinterSettings::setMargins(350, 300, 350, 100);

    const QList<QRadioButton *> entries{m_window.actionTakenOption, m_window.commentsOption,
                                        m_window.policiesOption};
    const int entry =
        int(std::find_if(entries.begin(), entries.end(), [](auto *o) { return o->isChecked(); }) -
            entries.begin());
    if (entry < 3) {
        setCaptions({QStringLiteral("Action Taken"), QStringLiteral("Comments/Notes"),
                     QStringLiteral("Policies && Procedures")});
        for (int i = 0; i < 3; ++i)
            m_panel.printOptions[i]->setEnabled(false);
        m_panel.pageCommands[0]->setEnabled(false);
        m_panel.pageCommands[1]->setEnabled(true);
        suppressNextClick = SuppressClick;
        m_panel.printOptions[entry]->setEnabled(true);
        setChecked(entry, true);
        static const char *const kinds[] = {"Action Taken", "Comments/Notes", "Policies & Procedures"};
        m_panel.printPreview->document().setTitle(QString::fromLatin1(kinds[entry]) + QStringLiteral(" - ") +
                                                  itemName());
        m_panel.printPreview->document().setPageSize(entryPaper(*m_window.entryEditor->document()));
        QCoreApplication::processEvents();
        m_panel.open();
        printEntry();
        return;
    }
    suppressNextClick = 0;
    m_panel.pageCommands[0]->setEnabled(true);
    m_panel.pageCommands[1]->setEnabled(true);
    setCaptions({QStringLiteral("Implementation specification"), QStringLiteral("References in Rule"),
                 QStringLiteral("Additional Comments")});
    m_panel.showPrinterFont();
    m_panel.printPreview->document().setTitle(QStringLiteral("References - ") + itemName());
    QCoreApplication::processEvents();
    m_panel.open();
    const QList<QRadioButton *> views{m_window.specificationOption, m_window.ruleReferencesOption,
                                      m_window.additionalInfoOption};
    for (int i = 0; i < 3; ++i) {
        if (!views[i]->isChecked())
            continue;
        // The report is built once, below, with the shown text in its buffer.
        m_opening = true;
        setChecked(i, true);
        m_opening = false;
        m_window.referenceBuffers[i]->setTextRTF(m_window.entryEditor->TextRTF());
    }
    buildReferenceReport();
}

void WorkAreaPreview::printOptionClicked(int index)
{
    if (m_clearing)
        return;
    if (suppressNextClick == SuppressClick) {
        suppressNextClick = 0;
        return;
    }
    if (statusMode()) {
        if (m_panel.printOptions[index]->isChecked()) {
            if (index > 0 && m_panel.printOptions[0]->isChecked())
                setChecked(0, false);
            for (int i = 1; index == 0 && i < 4; ++i)
                setChecked(i, false);
        }
        showStatusFont();
        if (m_panel.isVisible())
            buildStatusReport();
        return;
    }
    if (entryShown() && m_panel.isVisible()) {
        // The entry stays the printed document; its option stays checked.
        if (!m_panel.printOptions[index]->isChecked()) {
            suppressNextClick = SuppressClick;
            setChecked(index, true);
        }
        return;
    }
    if (m_panel.isVisible() && !m_opening)
        buildReferenceReport();
}

void WorkAreaPreview::buildStatusReport()
{
    StatusReport::Options options{};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i] = m_panel.printOptions[int(i)]->isChecked();
    StatusReport(m_panel.printPreview->document(), m_window.statusTable, PrinterSettings::Font.colour)
        .build(options);
    ProgramState::busyOff();
}

void WorkAreaPreview::printEntry()
{
    ProgramState::busyOn();
    PreviewDocument &doc = m_panel.printPreview->document();
    doc.discard();
    PrinterSettings::applyMargins(doc);
    doc.startDoc();
    doc.appendRichText(*m_window.entryEditor->document());
    doc.endDoc();
    QCoreApplication::processEvents();
    ProgramState::busyOff();
}

void WorkAreaPreview::buildReferenceReport()
{
    ProgramState::busyOn();
    ReferenceReport::Options options{};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i] = m_panel.printOptions[int(i)]->isChecked();
    m_report->build(m_window.CurrentCategory, m_window.CurrentItemTab, options, PrinterSettings::Font,
                    m_panel.printPreview->document());
    QCoreApplication::processEvents();
    ProgramState::busyOff();
}

void WorkAreaPreview::rerender(PreviewPanel::RenderCause cause)
{
    if (statusMode())
        return;
    if (cause == PreviewPanel::PageSetupDone && entryShown())
        printEntry();
    else
        buildReferenceReport();
}

void WorkAreaPreview::showStatusFont()
{
    m_panel.fontDisplays[0]->setText(QStringLiteral(" ") + statusFontName);
    m_panel.fontDisplays[1]->setText(QStringLiteral(" %1").arg(statusFontSize));
    QFont sample(statusFontName, statusFontSize);
    m_panel.fontSample->setFont(sample);
    QPalette palette = m_panel.fontSample->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    m_panel.fontSample->setPalette(palette);
}

QString WorkAreaPreview::itemName() const
{
    const Catalogue::Item *item = m_window.CurrentCategory == Catalogue::sampleCategory
                                      ? &Catalogue::sample()
                                      : Catalogue::item(m_window.CurrentCategory, m_window.CurrentItemTab);
    return item ? Catalogue::displayed(item->tabCaption) : QString();
}

bool WorkAreaPreview::entryShown() const
{
    return m_window.actionTakenOption->isChecked() || m_window.commentsOption->isChecked() ||
           m_window.policiesOption->isChecked();
}

void WorkAreaPreview::setCaptions(const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i)
        m_panel.printOptions[i]->setText(captions[i]);
}

void WorkAreaPreview::setChecked(int index, bool on)
{
    m_panel.printOptions[index]->setChecked(on);
}
