#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "app/SafeWrite.h"

// A text file of one double-quoted Windows-1252 string a line, each line ended by CR LF, always
// rewritten whole.
//
// Reading takes field after field: a quoted string (what lies between its quotes; anything after the
// closing quote up to the next comma or line end is skipped), or unquoted text up to the next comma or
// line end with surrounding blanks removed. A blank line is one empty field.
//
// A file that the caller could not hold wholly is marked to be kept: the next write first copies the
// file as it was to <name>.bak and writes nothing when that copy fails.
class QuotedLineFile
{
public:
    explicit QuotedLineFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // The fields of the file; empty when it is missing or unreadable.
    QStringList read() const;

    // Replaces the file with one quoted line per value.
    WriteResult write(const QStringList &values);

    // Asks for a copy of the file as it is now before the next write replaces it, and returns the
    // note for the user: the file's name, `problem`, and where the copy will be kept.
    QString keepBeforeNextWrite(const QString &problem);
    bool keepPending() const { return m_keepPending; }
    QString keptCopyPath() const;

    static QStringList parse(const QByteArray &bytes);
    // A double quote in a value would end its field early and becomes an apostrophe; a line break
    // would split it and becomes a blank.
    static QByteArray format(const QStringList &values);

private:
    QString m_path;
    bool m_keepPending = false;
};
