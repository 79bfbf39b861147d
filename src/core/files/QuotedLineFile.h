#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "core/files/FileLimits.h"
#include "core/files/SafeWrite.h"

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
// A file is read only up to the limits of its name (FileLimits): its first bytes, its first fields,
// the first characters of each field; what lies beyond is not shown and the file is partial.
//
// Every write of the file goes through write(), which keeps the file as it was as <name>.bak first
// whenever the file on disk would be read only in part, or the caller could not hold it wholly; it
// writes nothing when that copy fails, and never more than the limits.
class QuotedLineFile
{
public:
    explicit QuotedLineFile(QString path);

    // What parsing found beyond the limits.
    struct Parsed {
        QStringList fields;
        bool dropped = false;  // text other than blanks after a closing quote was skipped
        bool moreFields = false; // fields beyond the limit's count were left out
        int cutFields = 0;     // fields cut to the limit's length
    };

    const QString &path() const { return m_path; }
    bool exists() const;

    // The fields of the file, none when it is missing. A file that exists but cannot be read, or holds
    // text that no field takes, is partial and kept before the next write (which therefore fails while
    // it stays unreadable).
    LoadedFile<QStringList> load();

    // Replaces the file with one quoted line per value, each cut to the limit's length. More values
    // than the limit's count are refused.
    WriteResult write(const QStringList &values);

    // Asks for a copy of the file as it is now before the next write replaces it, and returns the
    // note for the user: the file's name, `problem`, and where the copy will be kept.
    QString keepBeforeNextWrite(const QString &problem);
    bool keepPending() const { return m_keepPending; }
    QString keptCopyPath() const;

    const FileLimit &limit() const { return m_limit; }

    // `dropped`, when given, tells whether text other than blanks after a closing quote was skipped.
    static QStringList parse(const QByteArray &bytes, bool *dropped = nullptr);
    // Stops after the limit's count of fields (noting whether more follow) and cuts each field to the
    // limit's length; a limit of 0 stops nothing.
    static Parsed parse(const QByteArray &bytes, const FileLimit &limit);
    // A double quote in a value would end its field early and becomes an apostrophe; a line break
    // would split it and becomes a blank. Values are cut to `fieldLength` characters (0: not cut).
    static QByteArray format(const QStringList &values, int fieldLength = 0);

private:
    struct Reading {
        QStringList fields;
        bool found = false;
        // What keeps the file from being read whole, each as the end of a sentence naming the file.
        QStringList problems;
    };
    // Reads the file within its limits; changes nothing.
    Reading read() const;

    QString m_path;
    FileLimit m_limit;
    bool m_keepPending = false;
};
