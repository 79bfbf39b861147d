#include "ui/preview/PanelColour.h"

#include <QPalette>
#include <QWidget>

void takeBackColour(QWidget &panel, const QWidget &reference)
{
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, reference.palette().color(reference.backgroundRole()));
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
}
