#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QList>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QToolButton;

// The program's font dialog: name, size, bold, italic, underline, strikethrough and colour, preset from the
// caller and returned only on OK.
class FontDialog : public QDialog
{
    Q_OBJECT

public:
    // Flags as the callers pass them: printer fonts, effects (underline, strikethrough, colour), limited sizes.
    enum Flag { PrinterFonts = 2, Effects = 256, LimitSize = 8192 };
    static constexpr double MinLimitedSize = 8;
    static constexpr double MaxLimitedSize = 72;

    FontDialog(const QFont &font, const QColor &colour, int flags, QWidget *parent = nullptr);

    // Shows the dialog modally. On OK `font` and `colour` take the choice and true is returned; on Cancel
    // they stay exactly as they were.
    static bool choose(QFont &font, QColor &colour, int flags, QWidget *parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const;
    void setColour(const QColor &colour);

    QComboBox *nameBox = nullptr;
    QDoubleSpinBox *sizeBox = nullptr;
    QCheckBox *boldBox = nullptr, *italicBox = nullptr, *underlineBox = nullptr, *strikeBox = nullptr;
    QList<QToolButton *> swatches;
    QPushButton *otherColour = nullptr;
    QLabel *sample = nullptr;

private:
    QWidget *createEffects();
    void showSample();
    void chooseOtherColour();

    QFont m_preset;
    QColor m_colour;
};
