#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Single-byte texts of the data files: Windows-1252.

// Every byte decodes to one character, so any file content reads and writes back unchanged.
QString fromAnsi(QByteArrayView bytes);

// A character that Windows-1252 cannot hold becomes "?" (one per character, surrogate pairs included).
QByteArray toAnsi(QStringView text);
