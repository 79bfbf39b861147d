#include <QString>
#include <QtGui/QTextDocument>
#include "core/files/SafeWrite.h"
// #include <QWidget> is named in a comment only
