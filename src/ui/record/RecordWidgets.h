#pragma once

#include <QString>
#include <QStringList>

class QPushButton;
class QTableWidget;
class QWidget;

// The controls the record's windows share.
namespace RecordWidgets {

// A push button with its object name.
QPushButton *button(const char *name, const QString &text, QWidget *parent);

// A read-only table of whole rows with its object name, accessible name and column headings; the
// column `stretched` takes the room left.
QTableWidget *table(const char *name, const QString &accessibleName, const QStringList &headings, int stretched,
                    QWidget *parent);

} // namespace RecordWidgets
