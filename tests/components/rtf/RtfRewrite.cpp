// rtf_rewrite IN OUT: reads the RTF file IN and writes what the writer makes of it to OUT. Tests run it
// as a second process to see that every process writes a document the same.
#include "core/rtf/Rtf.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: rtf_rewrite IN OUT\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QTextDocument document;
    if (!in.open(QIODevice::ReadOnly) || !Rtf::read(in.readAll(), document).ok) {
        std::fprintf(stderr, "rtf_rewrite: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    const QByteArray rtf = Rtf::write(document);
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "rtf_rewrite: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
