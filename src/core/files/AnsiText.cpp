#include "core/files/AnsiText.h"

#include <QHash>
#include <QStringDecoder>

namespace {

constexpr auto Codec = "windows-1252";

// Character → byte for the 128 characters above ASCII, built once from the decoder's own table.
const QHash<char32_t, char> &upperHalf()
{
    static const QHash<char32_t, char> table = [] {
        QByteArray bytes;
        for (int b = 0x80; b <= 0xFF; ++b)
            bytes.append(static_cast<char>(b));
        const QString chars = QStringDecoder(Codec).decode(bytes);
        QHash<char32_t, char> map;
        for (qsizetype i = 0; i < chars.size() && i < bytes.size(); ++i)
            map.insert(chars.at(i).unicode(), bytes.at(i));
        return map;
    }();
    return table;
}

} // namespace

QString fromAnsi(QByteArrayView bytes)
{
    QStringDecoder decoder(Codec);
    return decoder.decode(bytes);
}

QByteArray toAnsi(QStringView text)
{
    const auto &table = upperHalf();
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            out.append(static_cast<char>(c));
            continue;
        }
        const auto found = table.constFind(c);
        out.append(found == table.cend() ? '?' : found.value());
    }
    return out;
}
