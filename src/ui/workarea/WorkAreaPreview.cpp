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

#include "core/workbook/HINFO1.h"
#include "ui/preview/PrintPreview.h"
#include "ui/widgets/richtext/RichTextBox.h"
#include "core/rtf/RtfPaper.h"
#include "core/print/PrinterSettings.h"
#include "core/reports/ReferenceReport.h"
#include "ui/workarea/ReferenceViews.h"
#include "core/reports/StatusReport.h"
#include "core/catalogue/Catalogue.h"
#include "ui/workarea/WorkArea1.h"

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

WorkAreaPreview::WorkAreaPreview(WorkArea1 &window)
    : QObject(&window), m_window(window), m_panel(*window.previewPanel),
      m_views(std::make_unique<ReferenceViews>(*window.RText1[0], *window.RText1[1], *window.RText1[2],
                                               *window.Rtext3)),
      m_report(std::make_unique<ReferenceReport>(m_views->producer(), m_views->buffers()))
{
    for (int i = 0; i < m_panel.SSCheck80.size(); ++i)
        connect(m_panel.SSCheck80[i], &QCheckBox::toggled, this, [this, i] { SSCheck80_Click(i); });
    connect(&m_panel, &SSPanel80::renderRequested, this, &WorkAreaPreview::rerender);
    connect(&m_panel, &SSPanel80::closed, this, [this] {
        if (m_window.SSTab2->currentIndex() != 0)
            m_window.SSPanel1->show();
    });
}

WorkAreaPreview::~WorkAreaPreview() = default;

bool WorkAreaPreview::statusMode() const
{
    return m_panel.SSCheck80[0]->text() == allSafeguards;
}

void WorkAreaPreview::SSCommand3_Click()
{
    m_panel.VSP1->document().discard();
    suppressNextClick = 0;
    m_panel.SSCommand80[0]->setEnabled(false);
    m_panel.SSCommand80[1]->setEnabled(false);
    setCaptions({allSafeguards, QStringLiteral("Administrative Safeguards"),
                 QStringLiteral("Physical Safeguards"), QStringLiteral("Technical Safeguards")});
    for (int i = 0; i < 4; ++i) {
        m_panel.SSCheck80[i]->setEnabled(true);
        setChecked(i, false);
    }
    showStatusFont();
    m_panel.VSP1->document().setOrientation(0);
    m_panel.Panel3D80[2]->setText(QStringLiteral("Portrait"));
    m_panel.SSCheck80[3]->setVisible(true);
    m_panel.VSP1->document().setTitle(QStringLiteral("Status Report"));
    QCoreApplication::processEvents();
    m_panel.open();
    for (int i = 0; i < 3; ++i)
        if (m_window.SSOption1[i]->isChecked())
            setChecked(i + 1, true);
}

void WorkAreaPreview::SSCommand5_Click()
{
    m_panel.VSP1->document().discard();
    for (int i = 0; i < 4; ++i)
        m_panel.SSCheck80[i]->setEnabled(true);
    m_panel.SSCheck80[3]->setVisible(false);
    m_clearing = true;
    for (int i = 0; i < 4; ++i)
        setChecked(i, false);
    m_clearing = false;
    m_panel.printOptionsFrame->setVisible(true);
    PrinterSettings::Font.assign(m_window.Rtext3->baseFont(), Qt::black);
    if (PrinterSettings::Font.size <= 0)
        PrinterSettings::Font.size = 10;
    PrinterSettings::setMargins(350, 300, 350, 100);

    const QList<QRadioButton *> entries{m_window.SSOption3, m_window.SSOption4, m_window.SSOption5};
    const int entry =
        int(std::find_if(entries.begin(), entries.end(), [](auto *o) { return o->isChecked(); }) -
            entries.begin());
    if (entry < 3) {
        setCaptions({QStringLiteral("Action Taken"), QStringLiteral("Comments/Notes"),
                     QStringLiteral("Policies && Procedures")});
        for (int i = 0; i < 3; ++i)
            m_panel.SSCheck80[i]->setEnabled(false);
        m_panel.SSCommand80[0]->setEnabled(false);
        m_panel.SSCommand80[1]->setEnabled(true);
        suppressNextClick = SuppressClick;
        m_panel.SSCheck80[entry]->setEnabled(true);
        setChecked(entry, true);
        static const char *const kinds[] = {"Action Taken", "Comments/Notes", "Policies & Procedures"};
        m_panel.VSP1->document().setTitle(QString::fromLatin1(kinds[entry]) + QStringLiteral(" - ") +
                                          itemName());
        m_panel.VSP1->document().setPageSize(entryPaper(*m_window.Rtext3->document()));
        QCoreApplication::processEvents();
        m_panel.open();
        printEntry();
        return;
    }
    suppressNextClick = 0;
    m_panel.SSCommand80[0]->setEnabled(true);
    m_panel.SSCommand80[1]->setEnabled(true);
    setCaptions({QStringLiteral("Implementation specification"), QStringLiteral("References in Rule"),
                 QStringLiteral("Additional Comments")});
    m_panel.showPrinterFont();
    m_panel.VSP1->document().setTitle(QStringLiteral("References - ") + itemName());
    QCoreApplication::processEvents();
    m_panel.open();
    const QList<QRadioButton *> views{m_window.SSOption6, m_window.SSOption2, m_window.SSOption7};
    for (int i = 0; i < 3; ++i) {
        if (!views[i]->isChecked())
            continue;
        // The report is built once, below, with the shown text in its buffer.
        m_opening = true;
        setChecked(i, true);
        m_opening = false;
        m_window.RText1[i]->setTextRTF(m_window.Rtext3->TextRTF());
    }
    buildReferenceReport();
}

void WorkAreaPreview::SSCheck80_Click(int index)
{
    if (m_clearing)
        return;
    if (suppressNextClick == SuppressClick) {
        suppressNextClick = 0;
        return;
    }
    if (statusMode()) {
        if (m_panel.SSCheck80[index]->isChecked()) {
            if (index > 0 && m_panel.SSCheck80[0]->isChecked())
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
        if (!m_panel.SSCheck80[index]->isChecked()) {
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
        options[i] = m_panel.SSCheck80[int(i)]->isChecked();
    StatusReport(m_panel.VSP1->document(), m_window.statusTable, PrinterSettings::Font.colour).build(options);
    HINFO1::busyOff();
}

void WorkAreaPreview::printEntry()
{
    HINFO1::busyOn();
    PreviewDocument &doc = m_panel.VSP1->document();
    doc.discard();
    PrinterSettings::applyMargins(doc);
    doc.startDoc();
    doc.appendRichText(*m_window.Rtext3->document());
    doc.endDoc();
    QCoreApplication::processEvents();
    HINFO1::busyOff();
}

void WorkAreaPreview::buildReferenceReport()
{
    HINFO1::busyOn();
    ReferenceReport::Options options{};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i] = m_panel.SSCheck80[int(i)]->isChecked();
    m_report->build(m_window.CurrentCategory, m_window.CurrentItemTab, options, PrinterSettings::Font,
                    m_panel.VSP1->document());
    QCoreApplication::processEvents();
    HINFO1::busyOff();
}

void WorkAreaPreview::rerender(SSPanel80::RenderCause cause)
{
    if (statusMode())
        return;
    if (cause == SSPanel80::PageSetupDone && entryShown())
        printEntry();
    else
        buildReferenceReport();
}

void WorkAreaPreview::showStatusFont()
{
    m_panel.Panel3D80[0]->setText(QStringLiteral(" ") + statusFontName);
    m_panel.Panel3D80[1]->setText(QStringLiteral(" %1").arg(statusFontSize));
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
    return m_window.SSOption3->isChecked() || m_window.SSOption4->isChecked() ||
           m_window.SSOption5->isChecked();
}

void WorkAreaPreview::setCaptions(const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i)
        m_panel.SSCheck80[i]->setText(captions[i]);
}

void WorkAreaPreview::setChecked(int index, bool on)
{
    m_panel.SSCheck80[index]->setChecked(on);
}
