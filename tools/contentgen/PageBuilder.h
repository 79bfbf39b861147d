#pragma once

#include "ContentStyles.h"
#include "RuleText.h"

#include <QStringList>
#include <QTextCursor>

#include <optional>

class QTextDocument;

namespace ContentGen {

// Builds a formatted document from page sources (the format is described in content/sources/README.md).
// Sources are added in order; a failure names the source and line and leaves the document partly built.
class PageBuilder
{
public:
    // `rules` supplies the paragraphs of @rule lines and must outlive the builder. With `amended`, @rule
    // lines give the amended paragraphs compared word by word with those of `rules`, under a heading
    // that says so.
    PageBuilder(QTextDocument &document, const RuleText &rules, const RuleText *amended = nullptr);

    bool addFile(const QString &path, QString *error);
    // `name` labels errors; @include looks files up in `folder`.
    bool addSource(const QString &text, const QString &name, const QString &folder, QString *error);

private:
    bool addLine(const QString &line, QString *error);
    bool addTableLine(const QString &line, QString *error);
    bool addDirective(const QString &line, QString *error);
    bool addInclude(const QString &file, QString *error);
    bool addRule(const QStringList &arguments, QString *error);
    bool addAmendedRule(const QStringList &arguments, QString *error);
    void startParagraph(Style style, const QString &text);
    bool flushParagraph(QString *error);

    QTextCursor m_cursor;
    const RuleText &m_rules;
    const RuleText *m_amended;
    bool m_afterRule = false; // the last line with content was an @rule
    QStringList m_includeStack;
    QString m_folder;
    // The paragraph gathered from consecutive lines.
    std::optional<Style> m_style;
    QString m_paragraph;
    std::optional<QList<QStringList>> m_table;
};

} // namespace ContentGen
