#include "core/rtf/RtfReader.h"

#include "core/rtf/RtfProperties.h"

#include <algorithm>
#include <utility>

namespace Rtf {

namespace {

constexpr int MaxUnicodeSkip = 16;

} // namespace

namespace {
std::string_view withoutByteOrderMark(std::string_view data)
{
    return data.substr(0, 3) == "\xEF\xBB\xBF" ? data.substr(3) : data;
}
} // namespace

bool looksLikeRtf(std::string_view data)
{
    data = withoutByteOrderMark(data);
    const std::size_t start = data.find_first_not_of(" \t\r\n\f\v");
    return start != std::string_view::npos && data.substr(start, 5) == "{\\rtf";
}

Reader::Reader(std::string_view data) : m_data(withoutByteOrderMark(data)), m_tokenizer(m_data) {}

bool Reader::read()
{
    if (!looksLikeRtf(m_data))
        return false;
    m_tokenizer = Tokenizer(m_data.substr(m_data.find('{')));
    for (Token token = m_tokenizer.next(); token.kind != Token::End; token = m_tokenizer.next()) {
        switch (token.kind) {
        case Token::GroupOpen: openGroup(); break;
        case Token::GroupClose: closeGroup(); break;
        case Token::ControlWord: controlWord(token); break;
        case Token::ControlSymbol: controlSymbol(token.symbol); break;
        case Token::HexByte: hexByte(token.byte); break;
        case Token::Text: text(token.word); break;
        case Token::End: break;
        }
        if (token.kind != Token::ControlWord && !(token.kind == Token::ControlSymbol && token.symbol == '*'))
            m_ignorableNext = false; // \* marks only the control word right after it
        if (m_started && m_stack.empty())
            break; // the document's group is closed; what follows is not part of it
    }
    flushText();
    return true;
}

void Reader::insertInto(QTextCursor &cursor, bool formatFirstBlock)
{
    // The formats of the last paragraph are those in force at the end.
    const int blockFormat = m_formats.blockFormat(m_state.para);
    const int charFormat = m_formats.charFormat(m_state.chars);
    m_content.insertInto(cursor, m_formats, blockFormat, charFormat, formatFirstBlock);
}

void Reader::openGroup()
{
    flushText();
    m_fallbackToSkip = 0;
    m_started = true;
    if (m_stack.size() >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
}

void Reader::closeGroup()
{
    flushText();
    m_fallbackToSkip = 0;
    m_ignorableNext = false;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.empty())
        return;
    const Destination closing = m_state.destination;
    if (m_stack.size() == 1) {
        m_stack.pop_back(); // the document's group: its last formats are those of the last paragraph
        return;
    }
    m_state = m_stack.back();
    m_stack.pop_back();
    if (closing == Destination::FontTable)
        m_fonts.endEntry(m_decoder, m_codePage);
    if (closing == Destination::Picture && m_state.destination != Destination::Picture)
        endPicture();
    if (closing == Destination::Numbering && m_state.destination == Destination::Text) {
        m_state.para.numberStyle = m_numbering.numberStyle;
        m_state.para.numberLevel = m_numbering.numberLevel;
        m_state.para.numberStart = m_numbering.numberStart;
    }
    if ((closing == Destination::InfoText || closing == Destination::InfoDate) && m_state.destination == Destination::Info)
        m_info.endField();
    if ((closing == Destination::FontTable || closing == Destination::ColorTable) &&
        m_state.destination != closing)
        m_formats.tablesChanged();
}

void Reader::controlWord(const Token &token)
{
    flushText();
    const Keyword *keyword = findKeyword(token.word);
    const bool ignorable = std::exchange(m_ignorableNext, false);
    if (destinationWord(keyword, token))
        return;
    if (ignorable) {
        // {\*\word ...}: a destination this reader does not know.
        m_state.destination = Destination::Skip;
        return;
    }
    if (m_state.destination == Destination::Picture) {
        m_picture.word(token.word, token.param);
        return;
    }
    if (!keyword)
        return;
    switch (m_state.destination) {
    case Destination::Text:
        if (keyword->kind < Keyword::Unicode)
            structureWord(*keyword);
        else if (keyword->kind >= Keyword::RowDefaults)
            layoutWord(*keyword, token);
        else if (!applyCharProperty(m_state.chars, *keyword, token, m_defaultFont))
            applyParaProperty(m_state.para, *keyword, token);
        documentWord(*keyword, token);
        break;
    case Destination::FontTable:
    case Destination::ColorTable:
        tableWord(*keyword, token);
        break;
    case Destination::ListTable:
    case Destination::ListOverrideTable:
    case Destination::LevelText:
        listTableWord(*keyword, token);
        break;
    case Destination::Numbering:
        numberingWord(*keyword, token);
        break;
    case Destination::Info:
    case Destination::InfoText:
    case Destination::InfoDate:
        infoWord(*keyword, token);
        break;
    case Destination::Picture:
    case Destination::Skip:
    case Destination::UprAlternative:
        break;
    }
    if (keyword->kind != Keyword::Unicode && keyword->kind != Keyword::Character &&
        keyword->kind != Keyword::Tab)
        m_fallbackToSkip = 0;
}

// Words that change where the group's content goes. Returns true when handled.
bool Reader::destinationWord(const Keyword *keyword, const Token &token)
{
    if (!keyword)
        return false;
    Destination &destination = m_state.destination;
    switch (keyword->kind) {
    case Keyword::Ud:
        if (destination == Destination::UprAlternative)
            destination = m_state.uprOuter;
        return true;
    case Keyword::Upr:
        if (destination != Destination::Skip) {
            m_state.uprOuter = destination;
            destination = Destination::UprAlternative;
        }
        return true;
    case Keyword::SkipDestination:
        destination = Destination::Skip;
        return true;
    case Keyword::Picture:
        if (destination == Destination::Text && !m_state.chars.hidden) {
            destination = Destination::Picture;
            m_picture.begin();
        } else {
            destination = Destination::Skip;
        }
        return true;
    case Keyword::ShapePicture:
        return true; // {\*\shppict {\pict ...}}: the picture is read where it stands
    case Keyword::FontTable:
        if (destination != Destination::Skip)
            destination = Destination::FontTable;
        return true;
    case Keyword::ColorTable:
        if (destination != Destination::Skip)
            destination = Destination::ColorTable;
        return true;
    case Keyword::ListTable:
        destination = destination == Destination::Text ? Destination::ListTable : Destination::Skip;
        return true;
    case Keyword::ListOverrideTable:
        destination = destination == Destination::Text ? Destination::ListOverrideTable : Destination::Skip;
        return true;
    case Keyword::LevelText:
        destination = destination == Destination::ListTable ? Destination::LevelText : Destination::Skip;
        return true;
    case Keyword::Numbering:
        if (destination == Destination::Text) {
            destination = Destination::Numbering;
            m_numbering = ParaState{};
            m_numbering.numberStyle = QTextListFormat::ListDecimal;
        } else {
            destination = Destination::Skip;
        }
        return true;
    case Keyword::ListFallback:
        m_state.listFallback = true;
        return true;
    case Keyword::Info:
        destination = destination == Destination::Text ? Destination::Info : Destination::Skip;
        return true;
    case Keyword::InfoGroup:
        if (destination == Destination::Info) {
            destination = keyword->value == InfoField::Date ? Destination::InfoDate : Destination::InfoText;
            m_info.beginField(token.word, InfoField::Kind(keyword->value));
        } else {
            destination = Destination::Skip;
        }
        return true;
    default:
        return false;
    }
}

void Reader::tableWord(const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::Font: m_fonts.beginEntry(token.param); break;
    case Keyword::FontCharset: m_fonts.setCharset(token.param); break;
    case Keyword::FontCodePage: m_fonts.setCodePage(token.param); break;
    case Keyword::Unicode:
        if (m_state.destination == Destination::FontTable)
            m_fonts.addChar(QChar(char16_t(token.param)), m_decoder, m_codePage);
        m_fallbackToSkip = m_state.unicodeSkip;
        break;
    case Keyword::Red: m_colors.setRed(token.param); break;
    case Keyword::Green: m_colors.setGreen(token.param); break;
    case Keyword::Blue: m_colors.setBlue(token.param); break;
    default: break;
    }
}

// Words inside \info: a date's parts and counts; characters of a text.
void Reader::infoWord(const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::InfoNumber:
        if (m_state.destination != Destination::InfoText)
            m_info.addNumber(token.word, token.param);
        break;
    case Keyword::Unicode:
        if (m_state.destination == Destination::InfoText) {
            const char16_t unit = char16_t(token.param < 0 ? token.param + 65536 : token.param);
            m_info.addText(QStringView(&unit, 1));
        }
        m_fallbackToSkip = m_state.unicodeSkip;
        break;
    case Keyword::Character:
        if (m_state.destination == Destination::InfoText) {
            const char16_t c = char16_t(keyword.value);
            m_info.addText(QStringView(&c, 1));
        }
        break;
    case Keyword::UnicodeSkip: m_state.unicodeSkip = std::clamp(token.param, 0, MaxUnicodeSkip); break;
    default: break;
    }
}

void Reader::structureWord(const Keyword &keyword)
{
    switch (keyword.kind) {
    case Keyword::Character: emitChar(char16_t(keyword.value)); break;
    case Keyword::Tab: emitChar(u'\t'); break;
    case Keyword::Line: emitChar(QChar::LineSeparator); break;
    case Keyword::Par:
        if (m_flatCells && m_state.inTable)
            emitChar(QChar::LineSeparator);
        else
            endBlock();
        break;
    case Keyword::Cell: endCell(); break;
    case Keyword::Row: endRow(); break;
    case Keyword::Break:
        if (!m_content.blockIsEmpty())
            endBlock();
        break;
    default: break;
    }
}

// Words of the document and of the reader's own state: Unicode characters, code pages, tables.
void Reader::documentWord(const Keyword &keyword, const Token &token)
{
    switch (keyword.kind) {
    case Keyword::Unicode: {
        const int unit = token.param < 0 ? token.param + 65536 : token.param;
        if (unit > 0 && unit <= 0xFFFF)
            emitChar(char16_t(unit));
        m_fallbackToSkip = m_state.unicodeSkip;
        break;
    }
    case Keyword::UnicodeSkip: m_state.unicodeSkip = std::clamp(token.param, 0, MaxUnicodeSkip); break;
    case Keyword::Pard:
        // \intbl of an enclosing group holds for paragraphs of groups inside it.
        if (m_state.inTableDepth == m_stack.size())
            m_state.inTable = false;
        break;
    case Keyword::InTable:
        m_state.inTable = true;
        m_state.inTableDepth = m_stack.size();
        break;
    case Keyword::DefaultFont:
        m_defaultFont = token.param;
        if (m_state.chars.font < 0)
            m_state.chars.font = token.param;
        break;
    case Keyword::AnsiCodePage:
        if (token.param > 0)
            m_codePage = token.param;
        break;
    case Keyword::CodePage: m_codePage = keyword.value; break;
    case Keyword::PaperWidth: m_paper.setWidth(token.param); break;
    case Keyword::PaperHeight: m_paper.setHeight(token.param); break;
    default: break;
    }
}

void Reader::controlSymbol(char symbol)
{
    if (symbol == '*') {
        m_ignorableNext = true;
        return;
    }
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
        text(std::string_view(&symbol, 1));
        return;
    }
    flushText();
    if (m_state.destination != Destination::Text)
        return;
    switch (symbol) {
    case '~': emitChar(0x00A0); break;
    case '-': emitChar(0x00AD); break;
    case '_': emitChar(0x2011); break;
    case '\t': emitChar(u'\t'); break;
    case '\n': endBlock(); break;
    default: break;
    }
}

void Reader::text(std::string_view bytes)
{
    if (m_fallbackToSkip > 0) {
        const auto skipped = std::min<std::size_t>(bytes.size(), std::size_t(m_fallbackToSkip));
        m_fallbackToSkip -= static_cast<int>(skipped);
        bytes.remove_prefix(skipped);
    }
    if (bytes.empty())
        return;
    switch (m_state.destination) {
    case Destination::LevelText:
        for (const char c : bytes)
            m_lists.addLevelText(QChar(char16_t(static_cast<unsigned char>(c))));
        break;
    case Destination::Text:
        if (m_state.chars.hidden)
            return;
        beginText();
        m_pendingBytes.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
        break;
    case Destination::InfoText: m_pendingBytes.append(bytes.data(), static_cast<qsizetype>(bytes.size())); break;
    case Destination::FontTable: m_fonts.addText(bytes, m_decoder, m_codePage); break;
    case Destination::ColorTable: m_colors.addText(bytes); break;
    case Destination::Picture: m_picture.hexText(bytes); break;
    default: break;
    }
}

void Reader::hexByte(unsigned char byte)
{
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    const char c = static_cast<char>(byte);
    if (m_state.destination == Destination::FontTable)
        m_fonts.addByte(c);
    else if (m_state.destination == Destination::LevelText)
        m_lists.addLevelText(QChar(char16_t(byte)));
    else if (m_state.destination == Destination::InfoText && byte != 0)
        m_pendingBytes.append(c);
    else if (m_state.destination == Destination::Text && !m_state.chars.hidden && byte != 0) {
        beginText();
        m_pendingBytes.append(c);
    }
}

void Reader::emitChar(char16_t c)
{
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    if (m_state.destination != Destination::Text || m_state.chars.hidden)
        return;
    beginText();
    appendText(c);
}

// Text of the paragraph begins: a list marker read as plain text before it is kept unless the
// paragraph is a list item, which shows its own.
void Reader::beginText()
{
    if (m_state.listFallback)
        return;
    resolveListFallback();
    if (std::exchange(m_pendingCellTab, false))
        appendText(u'\t');
}

void Reader::appendText(char16_t c)
{
    flushText();
    deliver(QStringView(&c, 1));
}

void Reader::deliver(QStringView text)
{
    if (m_state.destination == Destination::InfoText) {
        m_info.addText(text);
    } else if (m_state.listFallback) {
        m_listFallback += text;
        m_listFallbackFormat = m_formats.charFormat(m_state.chars);
    } else {
        m_content.appendText(text, m_formats.charFormat(m_state.chars));
    }
}

void Reader::flushText()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_decoded.clear();
    m_decoder.append(m_decoded, std::string_view(m_pendingBytes.constData(), m_pendingBytes.size()),
                     currentCodePage());
    m_pendingBytes.clear();
    deliver(m_decoded);
}

void Reader::endBlock(bool cellEnd)
{
    if (m_state.destination != Destination::Text)
        return;
    flushText();
    resolveListFallback();
    noteBlockList();
    m_pendingCellTab = false;
    m_content.endBlock(m_formats.blockFormat(m_state.para), m_formats.charFormat(m_state.chars));
    if (!m_state.inTable && !cellEnd)
        m_content.endBlockOutsideTable();
}

void Reader::endPicture()
{
    if (std::optional<Picture> picture = m_picture.finish()) {
        beginText();
        flushText();
        m_content.appendPicture(*picture, m_formats.imageFormat(*picture, m_state.chars));
    }
}

int Reader::currentCodePage() const
{
    const FontEntry *font = m_fonts.find(m_state.chars.font);
    return font && font->codePage ? font->codePage : m_codePage;
}

} // namespace Rtf
