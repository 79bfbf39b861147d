#pragma once

#include <QByteArray>

// One 20-byte record as written by hand: the length field (little-endian), the text, then `fill`.
inline QByteArray recordBytes(const QByteArray &text, char fill = '\0', int length = -1)
{
    const int n = length < 0 ? static_cast<int>(text.size()) : length;
    QByteArray record;
    record.append(static_cast<char>(n & 0xFF)).append(static_cast<char>((n >> 8) & 0xFF)).append(text);
    record.append(20 - record.size(), fill);
    return record;
}

inline QByteArray zeroRecords(int count)
{
    return QByteArray(count * 20, '\0');
}
