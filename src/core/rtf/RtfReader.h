#pragma once

#include "core/rtf/RtfCodePage.h"
#include "core/rtf/RtfContent.h"
#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfInfo.h"
#include "core/rtf/RtfKeywords.h"
#include "core/rtf/RtfLists.h"
#include "core/rtf/RtfPicture.h"
#include "core/rtf/RtfState.h"
#include "core/rtf/RtfTableModel.h"
#include "core/rtf/RtfTables.h"
#include "core/rtf/RtfTokenizer.h"

#include <QSize>

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

class QTextCursor;

namespace Rtf {

// True when the bytes start with "{\rtf" after optional white space (and a UTF-8 byte order mark).
bool looksLikeRtf(std::string_view data);

// Reads a whole RTF stream into Content. Groups live on a heap stack of bounded depth; deeper
// groups share the state of the deepest kept one, so any nesting reads in linear time.
class Reader
{
public:
    static constexpr std::size_t MaxDepth = 512;

    explicit Reader(std::string_view data);

    // False when the data is not RTF. Truncated or unbalanced input reads as far as it goes.
    bool read();
    // Inserts what was read; see Content::insertInto.
    void insertInto(QTextCursor &cursor, bool formatFirstBlock);
    // Formatting was simplified to keep the text quick to lay out (see Content and Formats).
    bool simplified() const { return m_content.simplified() || m_formats.simplified(); }
    // The document's \info.
    const DocumentInfo &info() const { return m_info.info(); }
    // The paper the document names, in twips; invalid when it names none.
    QSize paper() const { return m_paper; }

private:
    enum class Destination {
        Text, Skip, FontTable, ColorTable, UprAlternative, Picture, ListTable, ListOverrideTable, LevelText, Numbering,
        Info, InfoText, InfoDate
    };
    struct Group {
        CharState chars;
        ParaState para;
        Destination destination = Destination::Text;
        Destination uprOuter = Destination::Text;
        int unicodeSkip = 1;
        bool inTable = false;
        std::size_t inTableDepth = 0;
        bool listFallback = false; // inside \listtext or \pntext: the list marker as plain text
    };

    void openGroup();
    void closeGroup();
    void controlWord(const Token &token);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);

    bool destinationWord(const Keyword *keyword, const Token &token);
    void tableWord(const Keyword &keyword, const Token &token);
    void structureWord(const Keyword &keyword);
    void documentWord(const Keyword &keyword, const Token &token);
    // Tables, list items and tab stops in the text; the list tables; old-style numbering.
    void layoutWord(const Keyword &keyword, const Token &token);
    void listTableWord(const Keyword &keyword, const Token &token);
    void infoWord(const Keyword &keyword, const Token &token);
    void numberingWord(const Keyword &keyword, const Token &token);
    void endCell();
    void endRow();
    bool paragraphIsListItem() const;
    void resolveListFallback();
    void noteBlockList();

    void emitChar(char16_t c);
    void beginText();
    void appendText(char16_t c);
    void deliver(QStringView text);
    void flushText();
    // A paragraph ends; outside a table and not at a cell's end it ends any open table.
    void endBlock(bool cellEnd = false);
    int currentCodePage() const;
    void endPicture();

    std::string_view m_data;
    Tokenizer m_tokenizer;
    Group m_state;
    std::vector<Group> m_stack;
    std::size_t m_overflowDepth = 0;
    bool m_started = false;
    bool m_ignorableNext = false;
    int m_fallbackToSkip = 0;
    bool m_flatCells = false;     // past the bound of table cells: rows are lines of cells apart by tabs
    bool m_pendingCellTab = false; // a cell ended there: a tab before the next text
    int m_codePage = DefaultCodePage;
    QSize m_paper{-1, -1};
    int m_defaultFont = -1;
    QByteArray m_pendingBytes;
    QString m_decoded;

    FontTable m_fonts;
    ColorTable m_colors;
    CodePageDecoder m_decoder;
    RowDefBuilder m_rowDef;
    ListTable m_lists;
    TabStop m_pendingTab;
    ParaState m_numbering; // what the open \pn group states
    QString m_listFallback;
    int m_listFallbackFormat = 0;
    PictureReader m_picture;
    InfoReader m_info;
    Formats m_formats{m_fonts, m_colors};
    Content m_content;
};

} // namespace Rtf
