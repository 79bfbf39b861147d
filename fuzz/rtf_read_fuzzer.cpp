// libFuzzer target: the RTF reader, and the writer on whatever it read.
#include "core/rtf/Rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    if (Rtf::read(rtf, document).ok) {
        QTextDocument again;
        if (!Rtf::read(Rtf::write(document), again).ok)
            std::abort(); // what the writer writes must read back
    }
    return 0;
}
