#pragma once

#include <QColor>
#include <QPixmap>

// The product's emblem, a shield with a check mark, `size` pixels square.
QPixmap emblem(int size, const QColor &colour);
