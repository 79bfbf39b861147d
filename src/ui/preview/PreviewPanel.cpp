#include "ui/preview/PreviewPanel.h"

#include "core/print/PreviewDocument.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/workbook/Twips.h"
#include "ui/preview/PrintPreview.h"
#include "core/print/PrinterSettings.h"
#include "core/exports/PreviewEditable.h"

namespace {

constexpr int ColumnWidth = 240;
constexpr int Gap = 8;
constexpr int CommandTop = Twips::toPixels(115);

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLabel *displayPanel(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumHeight(22);
    return l;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &title)
{
    auto *f = new QGroupBox(title, parent);
    f->setObjectName(name);
    auto *column = new QVBoxLayout(f);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(2);
    return f;
}

} // namespace

PreviewPanel::PreviewPanel(Variant variant, QWidget *parent) : QFrame(parent), m_variant(variant)
{
    setObjectName(QStringLiteral("SSPanel80"));
    setAccessibleName(QStringLiteral("Print preview"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    createControls();
    hide();
    if (parent) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
}

bool PreviewPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        // The normal layout belongs to the active window and follows its size.
        if (isActiveWindow())
            recordNormalLayout();
    }
    return QFrame::eventFilter(watched, event);
}

void PreviewPanel::createControls()
{
    printPreview = new PrintPreview(this);
    printPreview->setObjectName(QStringLiteral("VSP1"));
    // Enlarged, the preview lies over the control column.
    printPreview->setAutoFillBackground(true);
    enlargeButton = button(this, QStringLiteral("SSCommand1"), QStringLiteral("Enlarge"));
    connect(enlargeButton, &QPushButton::clicked, this, &PreviewPanel::enlargeClicked);

    m_column = new QWidget(this);
    auto *column = new QVBoxLayout(m_column);
    column->setContentsMargins(0, 0, 0, 0);

    panelFrames.append(frame(m_column, arrayName("SSFrame80", 0), QStringLiteral("Print Range")));
    printRangeOption = new QRadioButton(m_variant == MiscArea ? QStringLiteral("Only Rows with a To Do Item")
                                                              : QStringLiteral("All Data Will Be Displayed"),
                                        panelFrames[0]);
    printRangeOption->setObjectName(QStringLiteral("SSOption81"));
    printRangeOption->setChecked(true);
    panelFrames[0]->layout()->addWidget(printRangeOption);
    connect(printRangeOption, &QRadioButton::clicked, this, &PreviewPanel::printRangeClicked);
    column->addWidget(panelFrames[0]);

    createPrintOptions();
    createFontDisplay();

    panelFrames.append(frame(m_column, arrayName("SSFrame80", 1), QStringLiteral("Display Options")));
    const QStringList guideCaptions{QStringLiteral("Do Not Display Guide Lines"),
                                    QStringLiteral("Display Guide Lines")};
    for (int i = 0; i < guideCaptions.size(); ++i) {
        auto *option = new QRadioButton(guideCaptions[i], panelFrames[1]);
        option->setObjectName(arrayName("SSOption82", i));
        panelFrames[1]->layout()->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { guideLineClicked(i); });
        guideLineOptions.append(option);
    }
    guideLineOptions[0]->setChecked(true);
    column->addWidget(panelFrames[1]);

    const QStringList commands{QStringLiteral("Printer &Font"), QStringLiteral("&Page Setup"),
                               QStringLiteral("&Cancel"), QStringLiteral("C&opy Current Page"),
                               QStringLiteral("&Print"), QStringLiteral("Save as P&DF…"),
                               QStringLiteral("Save as &ODT…"), QStringLiteral("Save as C&SV…")};
    // Two commands a row, so the column fits a small screen.
    auto *commandGrid = new QGridLayout;
    commandGrid->setSpacing(4);
    for (int i = 0; i < commands.size(); ++i) {
        pageCommands.append(button(m_column, arrayName("SSCommand80", i), commands[i]));
        connect(pageCommands[i], &QPushButton::clicked, this, [this, i] { pageCommandClicked(i); });
        commandGrid->addWidget(pageCommands[i], i / 2, i % 2);
    }
    column->addLayout(commandGrid);
    column->addStretch();
    // Only a report made of a table offers it as CSV.
    pageCommands[7]->setVisible(false);
    connect(&printPreview->document(), &PreviewDocument::documentChanged, this,
            [this] { pageCommands[7]->setVisible(!PreviewEditable::sheet(printPreview->document()).isEmpty()); });
}

void PreviewPanel::createPrintOptions()
{
    if (m_variant == Reader)
        return;
    printOptionsFrame = frame(m_column, QStringLiteral("SSFrame80(2)"), QStringLiteral("Print Options"));
    const QStringList captions = m_variant == WorkArea
                                     ? QStringList{QStringLiteral("Implementation Specification"),
                                                   QStringLiteral("References in Rule"),
                                                   QStringLiteral("Actions Taken"), QStringLiteral("Comments/Notes")}
                                     : QStringList{QStringLiteral("Print Grid Lines")};
    for (int i = 0; i < captions.size(); ++i) {
        auto *box = new QCheckBox(captions[i], printOptionsFrame);
        box->setObjectName(m_variant == WorkArea ? arrayName("SSCheck80", i) : QStringLiteral("SSCheck80"));
        printOptionsFrame->layout()->addWidget(box);
        printOptions.append(box);
    }
    if (m_variant == MiscArea) {
        asOfDateOption = new QCheckBox(QStringLiteral("Print 'As of' date on each page"), printOptionsFrame);
        asOfDateOption->setObjectName(QStringLiteral("SSCheck81"));
        printOptionsFrame->layout()->addWidget(asOfDateOption);
    }
    m_column->layout()->addWidget(printOptionsFrame);
}

void PreviewPanel::createFontDisplay()
{
    auto *fonts = new QWidget(m_column);
    auto *grid = new QGridLayout(fonts);
    grid->setContentsMargins(0, 0, 0, 0);
    const bool captioned = m_variant != Reader;
    const QStringList captions{QStringLiteral("Printer Font:"), QStringLiteral("Font Size:")};
    for (int i = 0; i < 2; ++i) {
        fontDisplays.append(displayPanel(fonts, arrayName("Panel3D80", i), QStringLiteral(" ")));
        if (captioned)
            grid->addWidget(new QLabel(captions[i], fonts), i, 0);
        grid->addWidget(fontDisplays[i], i, 1);
    }
    orientationCaption = new QLabel(QStringLiteral("Orientation:"), fonts);
    orientationCaption->setObjectName(QStringLiteral("Label80"));
    fontDisplays.append(displayPanel(fonts, arrayName("Panel3D80", 2), QStringLiteral(" Portrait")));
    grid->addWidget(orientationCaption, 2, 0);
    grid->addWidget(fontDisplays[2], 2, 1);
    grid->setColumnStretch(1, 1);
    m_column->layout()->addWidget(fonts);

    if (!captioned)
        return;
    sampleFrame = frame(m_column, QStringLiteral("SampleFrame"), QStringLiteral("Sample"));
    fontSample = displayPanel(sampleFrame, m_variant == WorkArea ? QStringLiteral("Panel3D82")
                                                                 : QStringLiteral("Panel3d82"),
                              QStringLiteral("AaBbYyZz"));
    fontSample->setAlignment(Qt::AlignCenter);
    fontSample->setMinimumHeight(44);
    sampleFrame->layout()->addWidget(fontSample);
    m_column->layout()->addWidget(sampleFrame);
}

void PreviewPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutControls();
}

void PreviewPanel::layoutControls()
{
    enlargeButton->setGeometry(Gap, CommandTop, ColumnWidth, enlargeButton->sizeHint().height());
    const int top = columnTop();
    m_column->setGeometry(Gap, top, ColumnWidth, qMax(0, height() - top - Gap));
    QRect preview = normalPreviewGeometry();
    if (isEnlarged()) {
        const int margin = m_variant == MiscArea ? 60 : 115;
        preview.setLeft(Twips::toPixels(margin));
        preview.setWidth(qMax(0, Twips::toPixels(Twips::fromPixels(width()) - 2 * margin)));
    }
    printPreview->setGeometry(preview);
}

int PreviewPanel::columnTop() const
{
    return CommandTop + enlargeButton->sizeHint().height() + Gap;
}

// Below enlargeButton, which stays in front of the enlarged preview without covering its navigation. Taken
// from the panel's own size, so it holds while the panel is hidden and not laid out yet.
QRect PreviewPanel::normalPreviewGeometry() const
{
    const int top = columnTop();
    const int left = 2 * Gap + ColumnWidth;
    return {left, top, qMax(0, width() - left - Gap), qMax(0, height() - top - Gap)};
}
