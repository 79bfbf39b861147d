#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "components/files/SafeWrite.h"

// What a store read from its file.
template <typename Contents> struct LoadedFile {
    Contents contents;
    bool found = false;
    // The file held what cannot be kept or was cut short; `note` says so for the user, and the file is
    // copied aside before the next save replaces it.
    bool partial = false;
    QString note;
};

// A text file of one double-quoted Windows-1252 string a line, each line ended by CR LF, always
// rewritten whole.
//
// Reading takes field after field: a quoted string (what lies between its quotes; anything after the
// closing quote up to the next comma or line end is skipped), or unquoted text up to the next comma or
// line end with surrounding blanks removed. A blank line is one empty field. A file in which text other
// than blanks was skipped is partial: it is kept before the next write.
//
// A file that the caller could not hold wholly is marked to be kept: the next write first copies the
// file as it was to <name>.bak and writes nothing when that copy fails.
class QuotedLineFile
{
public:
    explicit QuotedLineFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // The fields of the file, none when it is missing. A file that exists but cannot be read, or holds
    // text that no field takes, is partial and kept before the next write (which therefore fails while
    // it stays unreadable).
    LoadedFile<QStringList> load();

    // Replaces the file with one quoted line per value.
    WriteResult write(const QStringList &values);

    // Asks for a copy of the file as it is now before the next write replaces it, and returns the
    // note for the user: the file's name, `problem`, and where the copy will be kept.
    QString keepBeforeNextWrite(const QString &problem);
    bool keepPending() const { return m_keepPending; }
    QString keptCopyPath() const;

    // `dropped`, when given, tells whether text other than blanks after a closing quote was skipped.
    static QStringList parse(const QByteArray &bytes, bool *dropped = nullptr);
    // A double quote in a value would end its field early and becomes an apostrophe; a line break
    // would split it and becomes a blank.
    static QByteArray format(const QStringList &values);

private:
    QString m_path;
    bool m_keepPending = false;
};
