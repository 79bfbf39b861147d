#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>
#include <utility>

class QTextDocument;

namespace Rtf {

// One entry of a document's \info: a text ({\title …}), a date ({\creatim\yr…\min…}) or a count (\nofpages3).
struct InfoField {
    enum Kind { Text, Date, Number };
    Kind kind = Text;
    QByteArray word;
    QString text;
    QList<std::pair<QByteArray, int>> values; // a date's parts; a count's own word and value
    bool operator==(const InfoField &) const = default;
};
using DocumentInfo = QList<InfoField>;

// Collects \info as the reader meets it, bounded in the number and length of its entries.
class InfoReader
{
public:
    static constexpr qsizetype MaxFields = 64;
    static constexpr qsizetype MaxTextLength = 4096;
    static constexpr qsizetype MaxDateParts = 8;

    // A text or date group opens.
    void beginField(std::string_view word, InfoField::Kind kind);
    void addText(QStringView text);
    // A count in \info, or a part of the open date.
    void addNumber(std::string_view word, int value);
    void endField() { m_open = false; }
    const DocumentInfo &info() const { return m_info; }

private:
    DocumentInfo m_info;
    bool m_open = false;
};

// The document's \info as read; its title is the document's title (QTextDocument::DocumentTitle).
void setDocumentInfo(QTextDocument &document, const DocumentInfo &info);
// The \info to write: as read, with the document's current title.
DocumentInfo documentInfo(const QTextDocument &document);

} // namespace Rtf

Q_DECLARE_METATYPE(Rtf::DocumentInfo)
