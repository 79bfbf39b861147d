#include "ui/widgets/FontDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Swatch {
    const char *name;
    QRgb rgb;
};

// The sixteen basic colours.
constexpr Swatch basicColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000}, {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080}, {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},    {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF}, {"White", 0xFFFFFF},
};

QCheckBox *checkBox(const QString &caption, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setChecked(checked);
    return box;
}

QIcon swatchIcon(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

FontDialog::FontDialog(const QFont &font, const QColor &colour, int flags, QWidget *parent)
    : QDialog(parent), m_preset(font), m_colour(colour.isValid() ? colour : QColor(Qt::black))
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;

    nameBox = new QComboBox(this);
    nameBox->setObjectName(QStringLiteral("FontName"));
    nameBox->setEditable(true);
    nameBox->lineEdit()->setAccessibleName(QStringLiteral("Font"));
    nameBox->setInsertPolicy(QComboBox::NoInsert);
    QStringList families = QFontDatabase::families();
    // A name the system resolves to another family (a document's font) stays as it is.
    if (!families.contains(font.family()))
        families.append(font.family());
    families.sort(Qt::CaseInsensitive);
    nameBox->addItems(families);
    nameBox->setCurrentText(font.family());
    form->addRow(QStringLiteral("&Font:"), nameBox);

    sizeBox = new QDoubleSpinBox(this);
    sizeBox->setObjectName(QStringLiteral("FontSize"));
    sizeBox->setDecimals(1);
    const bool limited = flags & LimitSize;
    sizeBox->setRange(limited ? MinLimitedSize : 1, limited ? MaxLimitedSize : 1638);
    sizeBox->setValue(font.pointSizeF() > 0 ? font.pointSizeF() : 10);
    form->addRow(QStringLiteral("&Size:"), sizeBox);

    auto *style = new QGroupBox(QStringLiteral("Font Style"), this);
    auto *styleRow = new QHBoxLayout(style);
    boldBox = checkBox(QStringLiteral("&Bold"), font.bold(), style);
    italicBox = checkBox(QStringLiteral("&Italic"), font.italic(), style);
    styleRow->addWidget(boldBox);
    styleRow->addWidget(italicBox);
    form->addRow(style);
    layout->addLayout(form);

    QWidget *effects = createEffects();
    layout->addWidget(effects);
    effects->setVisible(flags & Effects);

    auto *sampleFrame = new QGroupBox(QStringLiteral("Sample"), this);
    auto *sampleLayout = new QVBoxLayout(sampleFrame);
    sample = new QLabel(QStringLiteral("AaBbYyZz"), sampleFrame);
    sample->setObjectName(QStringLiteral("FontSample"));
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumSize(260, 80);
    sampleLayout->addWidget(sample);
    layout->addWidget(sampleFrame);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(nameBox, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    connect(sizeBox, &QDoubleSpinBox::valueChanged, this, &FontDialog::showSample);
    for (QCheckBox *box : {boldBox, italicBox, underlineBox, strikeBox})
        connect(box, &QCheckBox::toggled, this, &FontDialog::showSample);
    setColour(m_colour);
}

QWidget *FontDialog::createEffects()
{
    auto *effects = new QGroupBox(QStringLiteral("Effects"), this);
    auto *grid = new QGridLayout(effects);
    underlineBox = checkBox(QStringLiteral("&Underline"), m_preset.underline(), effects);
    strikeBox = checkBox(QStringLiteral("Stri&keout"), m_preset.strikeOut(), effects);
    grid->addWidget(underlineBox, 0, 0, 1, 4);
    grid->addWidget(strikeBox, 0, 4, 1, 4);
    auto *colourLabel = new QLabel(QStringLiteral("Colour:"), effects);
    grid->addWidget(colourLabel, 1, 0, 1, 8);
    int i = 0;
    for (const Swatch &s : basicColours) {
        auto *button = new QToolButton(effects);
        const QString name = QString::fromLatin1(s.name);
        button->setObjectName(QStringLiteral("Colour") + name);
        button->setAccessibleName(name);
        button->setToolTip(name);
        button->setIcon(swatchIcon(QColor(s.rgb)));
        button->setCheckable(true);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, rgb = s.rgb] { setColour(QColor(rgb)); });
        grid->addWidget(button, 2 + i / 8, i % 8);
        swatches.append(button);
        ++i;
    }
    otherColour = new QPushButton(QStringLiteral("&Other Colour..."), effects);
    otherColour->setObjectName(QStringLiteral("OtherColour"));
    connect(otherColour, &QPushButton::clicked, this, &FontDialog::chooseOtherColour);
    grid->addWidget(otherColour, 4, 0, 1, 8);
    return effects;
}

void FontDialog::setColour(const QColor &colour)
{
    m_colour = colour;
    for (int i = 0; i < swatches.size(); ++i)
        swatches[i]->setChecked(QColor(basicColours[i].rgb) == colour);
    showSample();
}

void FontDialog::chooseOtherColour()
{
    const QColor chosen = QColorDialog::getColor(m_colour, this, QStringLiteral("Colour"));
    if (chosen.isValid())
        setColour(chosen);
}

void FontDialog::showSample()
{
    if (!sample)
        return;
    sample->setFont(selectedFont());
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, m_colour);
    sample->setPalette(palette);
}

QFont FontDialog::selectedFont() const
{
    QFont font = m_preset;
    const QString name = nameBox->currentText().trimmed();
    font.setFamily(name.isEmpty() ? m_preset.family() : name);
    font.setPointSizeF(sizeBox->value());
    font.setBold(boldBox->isChecked());
    font.setItalic(italicBox->isChecked());
    font.setUnderline(underlineBox->isChecked());
    font.setStrikeOut(strikeBox->isChecked());
    return font;
}

QColor FontDialog::selectedColour() const
{
    return m_colour;
}

bool FontDialog::choose(QFont &font, QColor &colour, int flags, QWidget *parent)
{
    FontDialog dialog(font, colour, flags, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    colour = dialog.selectedColour();
    return true;
}
