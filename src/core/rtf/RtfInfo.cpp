#include "core/rtf/RtfInfo.h"

#include <QTextDocument>
#include <QVariant>

#include <algorithm>

namespace Rtf {

namespace {

constexpr char InfoProperty[] = "rtfDocumentInfo";
constexpr std::string_view TitleWord = "title";

QByteArray wordOf(std::string_view word) { return QByteArray(word.data(), qsizetype(word.size())); }

bool isTitle(const InfoField &field) { return field.kind == InfoField::Text && field.word == TitleWord.data(); }

} // namespace

void InfoReader::beginField(std::string_view word, InfoField::Kind kind)
{
    m_open = m_info.size() < MaxFields;
    if (m_open)
        m_info.append({kind, wordOf(word), {}, {}});
}

void InfoReader::addText(QStringView text)
{
    if (!m_open || m_info.back().kind != InfoField::Text)
        return;
    QString &kept = m_info.back().text;
    kept += text.first(std::min(text.size(), MaxTextLength - kept.size()));
}

void InfoReader::addNumber(std::string_view word, int value)
{
    if (m_open) {
        InfoField &date = m_info.back();
        if (date.kind == InfoField::Date && date.values.size() < MaxDateParts)
            date.values.append({wordOf(word), value});
        return;
    }
    if (m_info.size() < MaxFields)
        m_info.append({InfoField::Number, wordOf(word), {}, {{wordOf(word), value}}});
}

void setDocumentInfo(QTextDocument &document, const DocumentInfo &info)
{
    const auto title = std::find_if(info.begin(), info.end(), isTitle);
    document.setMetaInformation(QTextDocument::DocumentTitle, title == info.end() ? QString() : title->text);
    document.setProperty(InfoProperty, QVariant::fromValue(info));
}

DocumentInfo documentInfo(const QTextDocument &document)
{
    DocumentInfo info = document.property(InfoProperty).value<DocumentInfo>();
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    const auto field = std::find_if(info.begin(), info.end(), isTitle);
    if (field != info.end() && title.isEmpty())
        info.erase(field);
    else if (field != info.end())
        field->text = title;
    else if (!title.isEmpty())
        info.prepend({InfoField::Text, wordOf(TitleWord), title, {}});
    return info;
}

} // namespace Rtf
