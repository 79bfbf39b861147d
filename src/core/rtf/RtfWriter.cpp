#include "core/rtf/RtfWriter.h"

#include "core/rtf/RtfCodePage.h"
#include "core/rtf/RtfFormats.h"
#include "core/rtf/RtfInfo.h"
#include "core/rtf/RtfPaper.h"
#include "core/rtf/RtfWriterLists.h"

#include <QImage>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QTextImageFormat>
#include <QUrl>
#include <QTextDocument>

#include <cmath>
#include <utility>

namespace Rtf {

namespace {

int toTwips(double pixels) { return static_cast<int>(std::lround(pixels * 15.0)); }

QString familyOf(const QFont &font)
{
    const QStringList families = font.families();
    QString family = families.isEmpty() ? font.family() : families.first();
    return family.remove(QLatin1Char(';'));
}

int halfPointsOf(const QFont &font)
{
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    return points > 0 ? static_cast<int>(std::lround(points * 2)) : 24;
}

bool hasBrush(const QBrush &brush) { return brush.style() != Qt::NoBrush; }

bool isTableJoin(const QTextBlock &block)
{
    return block.isValid() && block.next().isValid() && block.length() == 1 &&
           block.blockFormat().boolProperty(TableJoinProperty) &&
           qobject_cast<const QTextTable *>(block.document()->frameAt(block.next().position()));
}

} // namespace

Writer::Writer(const QTextDocument &document) : m_document(document) {}

QByteArray Writer::write()
{
    m_out.clear();
    m_fonts = {familyOf(m_document.defaultFont())};
    m_colors.clear();
    m_listNumbers.clear();
    m_lists.clear();
    collectTables();
    writeHeader();
    m_out += paperWords(m_document);
    for (QTextBlock block = m_document.begin(); block.isValid();) {
        if (const auto *table = qobject_cast<const QTextTable *>(m_document.frameAt(block.position()))) {
            writeTable(*table);
            block = m_document.findBlock(table->lastPosition() + 1);
            // Pieces of one long table go on as one.
            if (isTableJoin(block))
                block = block.next();
            continue;
        }
        writeBlock(block);
        m_out += "\\par\r\n";
        block = block.next();
    }
    m_out += "}\r\n";
    return m_out;
}

void Writer::collectTables()
{
    const auto collect = [this](const QTextCharFormat &format) {
        fontIndex(familyOf(resolvedFont(format)));
        if (hasBrush(format.foreground()))
            colorIndex(format.foreground().color().rgb());
        if (hasBrush(format.background()))
            colorIndex(format.background().color().rgb());
    };
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        collectList(block.textList());
        if (const auto *table = qobject_cast<const QTextTable *>(m_document.frameAt(block.position()));
            table && block.position() == table->firstPosition())
            collectTableColors(*table);
        collect(block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            collect(it.fragment().charFormat());
    }
}

void Writer::writeHeader()
{
    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        writeWord("{\\f", static_cast<int>(i));
        m_out += "\\fnil\\fcharset0 ";
        writeText(m_fonts[i]);
        m_out += ";}";
    }
    m_out += "}\r\n{\\colortbl;";
    for (const QRgb color : std::as_const(m_colors)) {
        writeWord("\\red", qRed(color));
        writeWord("\\green", qGreen(color));
        writeWord("\\blue", qBlue(color));
        m_out += ';';
    }
    m_out += "}\r\n";
    writeListTables();
    writeInfo();
}

void Writer::writeInfo()
{
    const DocumentInfo info = documentInfo(m_document);
    if (info.isEmpty())
        return;
    m_out += "{\\info";
    for (const InfoField &field : info) {
        // Words later than the first RTF are marked for readers that do not know them.
        static const QByteArrayList firstWords = {"title", "subject", "author", "operator", "keywords", "comment",
                                                  "doccomm", "creatim", "revtim", "printim", "buptim"};
        if (field.kind != InfoField::Number)
            m_out += (firstWords.contains(field.word) ? "{\\" : "{\\*\\") + field.word;
        for (const auto &[word, value] : field.values)
            writeWord(("\\" + word).constData(), value);
        if (field.kind == InfoField::Text) {
            m_out += ' ';
            writeText(field.text);
        }
        if (field.kind != InfoField::Number)
            m_out += '}';
    }
    m_out += "}\r\n";
}

void Writer::writeBlock(const QTextBlock &block, bool inTable)
{
    writeBlockProperties(block, inTable);
    // The paragraph's own character format, in force at \par (it sizes an empty paragraph).
    const CharProps base = charProps(block.charFormat());
    writeCharProperties(base, CharProps(), true);
    m_out += ' ';
    writeListText(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().isImageFormat()) {
            for (qsizetype i = 0; i < fragment.length(); ++i)
                writePicture(fragment.charFormat().toImageFormat());
            continue;
        }
        const qsizetype start = m_out.size();
        m_out += '{';
        writeCharProperties(charProps(fragment.charFormat()), base);
        if (m_out.size() == start + 1) {
            m_out.chop(1); // the paragraph's format: the text needs no group
            writeText(fragment.text());
            continue;
        }
        m_out += ' ';
        writeText(fragment.text());
        m_out += '}';
    }
}

void Writer::writeBlockProperties(const QTextBlock &block, bool inTable)
{
    const QTextBlockFormat format = block.blockFormat();
    m_out += "\\pard\\plain";
    if (inTable)
        m_out += "\\intbl";
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        m_out += "\\qc";
    else if (horizontal & Qt::AlignJustify)
        m_out += "\\qj";
    else if (horizontal & Qt::AlignRight)
        m_out += "\\qr";
    const std::pair<const char *, double> lengths[] = {
        {"\\li", format.leftMargin()},  {"\\ri", format.rightMargin()},
        {"\\fi", block.textList() && format.textIndent() == 0 ? -ListHangingIndent : format.textIndent()},
        {"\\sb", format.topMargin()},   {"\\sa", format.bottomMargin()}};
    for (const auto &[word, pixels] : lengths) {
        if (const int twips = toTwips(pixels))
            writeWord(word, twips);
    }
    writeLineSpacing(format);
    writeTabStops(format);
    if (const QTextList *list = block.textList()) {
        const QTextListFormat listFormat = list->format();
        writeWord("\\ls", m_listNumbers.value(listKey(list)));
        writeWord("\\ilvl", listLevel(listFormat));
    }
}

void Writer::writeTabStops(const QTextBlockFormat &format)
{
    static constexpr const char *Kinds[] = {"", "\\tqc", "\\tqr", "\\tqdec"};
    static constexpr const char *Leaders[] = {"", "\\tldot", "\\tlhyph", "\\tlul", "\\tlth", "\\tleq"};
    for (const TabStop &tab : tabStops(format)) {
        m_out += Kinds[tab.kind];
        m_out += Leaders[tab.leader];
        writeWord("\\tx", tab.position);
    }
}

void Writer::writeLineSpacing(const QTextBlockFormat &format)
{
    const double height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (height > 0 && height != 100) {
            writeWord("\\sl", static_cast<int>(std::lround(height * 240 / 100)));
            m_out += "\\slmult1";
        }
        break;
    case QTextBlockFormat::MinimumHeight:
        if (toTwips(height) > 0) {
            writeWord("\\sl", toTwips(height));
            m_out += "\\slmult0";
        }
        break;
    case QTextBlockFormat::FixedHeight:
        if (toTwips(height) > 0) {
            writeWord("\\sl-", toTwips(height));
            m_out += "\\slmult0";
        }
        break;
    default: break;
    }
}

// A picture in its own bytes where it has them, at the size it is shown.
void Writer::writePicture(const QTextImageFormat &format)
{
    const QImage image =
        qvariant_cast<QImage>(m_document.resource(QTextDocument::ImageResource, QUrl(format.name())));
    const QByteArray ownBytes =
        m_document.resource(QTextDocument::UserResource, pictureBytesUrl(format.name())).toByteArray();
    const std::optional<PictureWriter::Encoded> picture = m_pictures.encode(image, ownBytes);
    if (!picture)
        return;
    const double width = format.width() > 0 ? format.width() : image.width();
    const double height = format.height() > 0 ? format.height() : image.height();
    m_out += picture->kind == Picture::Jpeg ? "{\\pict\\jpegblip" : "{\\pict\\pngblip";
    writeWord("\\picw", picture->size.width());
    writeWord("\\pich", picture->size.height());
    writeWord("\\picwgoal", toTwips(width));
    writeWord("\\pichgoal", toTwips(height));
    const QByteArray hex = picture->data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        m_out += "\r\n";
        m_out += hex.mid(i, 128);
    }
    m_out += '}';
}

Writer::CharProps Writer::charProps(const QTextCharFormat &format)
{
    const QFont font = resolvedFont(format);
    CharProps props;
    props.font = fontIndex(familyOf(font));
    props.halfPoints = halfPointsOf(font);
    props.bold = font.bold();
    props.italic = font.italic();
    props.underline = font.underline();
    props.strike = font.strikeOut();
    if (hasBrush(format.foreground()))
        props.foreground = colorIndex(format.foreground().color().rgb());
    if (hasBrush(format.background()))
        props.background = colorIndex(format.background().color().rgb());
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript ||
        format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        props.verticalAlign = format.verticalAlignment();
    return props;
}

void Writer::writeCharProperties(const CharProps &props, const CharProps &base, bool full)
{
    if (full || props.font != base.font)
        writeWord("\\f", props.font);
    if (full || props.halfPoints != base.halfPoints)
        writeWord("\\fs", props.halfPoints);
    const std::pair<bool CharProps::*, std::pair<const char *, const char *>> toggles[] = {
        {&CharProps::bold, {"\\b", "\\b0"}},
        {&CharProps::italic, {"\\i", "\\i0"}},
        {&CharProps::underline, {"\\ul", "\\ulnone"}},
        {&CharProps::strike, {"\\strike", "\\strike0"}}};
    for (const auto &[member, words] : toggles) {
        if (props.*member != base.*member)
            m_out += props.*member ? words.first : words.second;
    }
    if (props.foreground != base.foreground)
        writeWord("\\cf", props.foreground);
    if (props.background != base.background)
        writeWord("\\highlight", props.background);
    if (props.verticalAlign != base.verticalAlign) {
        switch (props.verticalAlign) {
        case QTextCharFormat::AlignSuperScript: m_out += "\\super"; break;
        case QTextCharFormat::AlignSubScript: m_out += "\\sub"; break;
        default: m_out += "\\nosupersub"; break;
        }
    }
}

void Writer::writeText(QStringView text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        switch (c) {
        case u'\\': m_out += "\\\\"; continue;
        case u'{': m_out += "\\{"; continue;
        case u'}': m_out += "\\}"; continue;
        case u'\t': m_out += "\\tab "; continue;
        case u'\r':
        case u'\n':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator: m_out += "\\line "; continue;
        case 0x00A0: m_out += "\\~"; continue;
        case 0x00AD: m_out += "\\-"; continue;
        case 0x2011: m_out += "\\_"; continue;
        default: break;
        }
        if (c < 0x20)
            continue;
        if (c < 0x80) {
            m_out += static_cast<char>(c);
        } else if (const int byte = windows1252Byte(c); byte >= 0) {
            m_out += "\\'";
            m_out += QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            // The space ends the word before the fallback: some readers skip one more character without it.
            writeWord("\\u", static_cast<int16_t>(c));
            m_out += " ?";
        }
    }
}

void Writer::writeWord(const char *word, int param)
{
    m_out += word;
    m_out += QByteArray::number(param);
}

QFont Writer::resolvedFont(const QTextCharFormat &format) const
{
    return format.font().resolve(m_document.defaultFont());
}

int Writer::fontIndex(const QString &family)
{
    qsizetype index = m_fonts.indexOf(family);
    if (index < 0) {
        m_fonts.append(family);
        index = m_fonts.size() - 1;
    }
    return static_cast<int>(index);
}

int Writer::colorIndex(QRgb color)
{
    const QRgb opaque = color | 0xFF000000u;
    qsizetype index = m_colors.indexOf(opaque);
    if (index < 0) {
        m_colors.append(opaque);
        index = m_colors.size() - 1;
    }
    return static_cast<int>(index + 1);
}

} // namespace Rtf
