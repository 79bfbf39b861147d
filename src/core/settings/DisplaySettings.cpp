#include "core/settings/DisplaySettings.h"

#include <limits>

DisplaySettings::DisplaySettings(const QString &path) : m_file(path) {}

QString DisplaySettings::text(Record record) const
{
    return m_file.read(record);
}

WriteResult DisplaySettings::setValue(Record record, int value) const
{
    return m_file.write(record, numberText(value));
}

int DisplaySettings::numericValue(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    qint64 magnitude = 0;
    constexpr qint64 Limit = std::numeric_limits<int>::max();
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i)
        magnitude = std::min(Limit, magnitude * 10 + (text.at(i).unicode() - u'0'));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QString DisplaySettings::numberText(int value)
{
    return QString::number(value);
}

int DisplaySettings::pictureNumber(const QString &storedText)
{
    const int number = numericValue(storedText);
    return number >= 1 && number <= PictureCount ? number : 0;
}

// Built from the number alone: no stored text becomes part of a path.
QString DisplaySettings::pictureName(int number)
{
    if (number < 1 || number > PictureCount)
        return {};
    return QStringLiteral("WP%1.jpg").arg(number);
}
