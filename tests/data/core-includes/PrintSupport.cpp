#include <QtPrintSupport/QPrinter>
