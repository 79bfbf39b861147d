#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <iterator>

// A full workbook for benchmarks: entries of varied words in a few fonts, as a user's text would be.
namespace FullWorkbook {

// An RTF entry of `size` bytes.
inline QByteArray entryText(int seed, int size)
{
    static const char *const words[] = {"risk",       "analysis",  "access",   "control",     "workstation",
                                        "security",   "policy",    "audit",    "contingency", "backup",
                                        "encryption", "integrity", "training", "incident",    "response",
                                        "facility",   "device",    "media"};
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}\\f0\\fs24 ";
    quint32 state = quint32(seed) * 2654435761u + 1;
    while (rtf.size() < size - 8) {
        state = state * 1664525u + 1013904223u;
        rtf += words[(state >> 8) % std::size(words)];
        rtf += (state & 0x1f) == 0 ? "\\par\n\\f1 " : (state & 0x1f) == 1 ? ".\\f0  " : " ";
    }
    return rtf.leftJustified(size - 1, ' ', true) + '}';
}

inline void write(const QDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace FullWorkbook
