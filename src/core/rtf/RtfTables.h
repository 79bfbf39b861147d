#pragma once

#include "core/rtf/RtfCodePage.h"

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Rtf {

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

// \fonttbl: font numbers to names and code pages, filled entry by entry as the table is read.
class FontTable
{
public:
    const FontEntry *find(int number) const;
    int size() const { return static_cast<int>(m_fonts.size()); }

    void beginEntry(int number);
    void setCharset(int charset);
    void setCodePage(int codePage);
    // Name text; a ';' ends the entry.
    void addText(std::string_view bytes, CodePageDecoder &decoder, int documentCodePage);
    void addByte(char byte) { m_nameBytes += byte; }
    void addChar(QChar c, CodePageDecoder &decoder, int documentCodePage);
    void endEntry(CodePageDecoder &decoder, int documentCodePage);

private:
    void decodePending(CodePageDecoder &decoder, int documentCodePage);

    std::unordered_map<int, FontEntry> m_fonts;
    int m_number = -1;
    FontEntry m_entry;
    QByteArray m_nameBytes;
};

// \colortbl: entries separated by ';'; an entry without components is the automatic colour.
class ColorTable
{
public:
    std::optional<QColor> color(int index) const;

    void setRed(int value) { setComponent(m_red, value); }
    void setGreen(int value) { setComponent(m_green, value); }
    void setBlue(int value) { setComponent(m_blue, value); }
    void addText(std::string_view bytes);

private:
    void setComponent(int &component, int value);

    std::vector<std::optional<QColor>> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_hasComponent = false;
};

} // namespace Rtf
