#include "cli/CommandLine.h"

#include <QDir>

namespace {

struct VerbName
{
    const char *name;
    CommandLine::Verb verb;
    int files; // how many file arguments it takes
};

constexpr VerbName verbs[] = {
    {"status", CommandLine::Verb::Status, 0}, {"todo", CommandLine::Verb::Todo, 0},
    {"backup", CommandLine::Verb::Backup, 1}, {"verify", CommandLine::Verb::Verify, 1},
    {"restore", CommandLine::Verb::Restore, 1},
};

// The value of an option given as "--name VALUE" or "--name=VALUE", taken out of `words`.
std::optional<QString> takeValue(QStringList &words, const QString &name, QString *error)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].startsWith(name + QLatin1Char('='))) {
            const QString value = words[i].mid(name.size() + 1);
            words.removeAt(i);
            return value;
        }
        if (words[i] != name)
            continue;
        if (i + 1 >= words.size()) {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return std::nullopt;
        }
        const QString value = words[i + 1];
        words.remove(i, 2);
        return value;
    }
    return std::nullopt;
}

bool takeFlag(QStringList &words, const QString &name)
{
    return words.removeAll(name) > 0;
}

} // namespace

std::optional<CommandLine> CommandLine::parse(const QStringList &arguments, QString *error)
{
    QStringList words = arguments.mid(1);
    CommandLine line;
    if (takeFlag(words, QStringLiteral("--help")) || takeFlag(words, QStringLiteral("-h"))) {
        line.verb = Verb::Help;
        return line;
    }
    if (takeFlag(words, QStringLiteral("--version"))) {
        line.verb = Verb::Version;
        return line;
    }
    const std::optional<QString> workbook = takeValue(words, QStringLiteral("--workbook"), error);
    const std::optional<QString> format = takeValue(words, QStringLiteral("--format"), error);
    const std::optional<QString> pdf = takeValue(words, QStringLiteral("--pdf"), error);
    line.yes = takeFlag(words, QStringLiteral("--yes"));
    if (!error->isEmpty())
        return std::nullopt;
    if (workbook)
        line.workbook = QDir(*workbook).absolutePath();
    if (format) {
        const std::optional<TableText::Format> named = TableText::formatNamed(*format);
        if (!named) {
            *error = QStringLiteral("unknown format \"%1\": use text, csv or json").arg(*format);
            return std::nullopt;
        }
        line.format = *named;
    }
    for (const QString &word : std::as_const(words)) {
        if (word.startsWith(QLatin1Char('-'))) {
            *error = QStringLiteral("unknown option \"%1\"").arg(word);
            return std::nullopt;
        }
    }
    if (words.isEmpty()) {
        *error = QStringLiteral("no command given");
        return std::nullopt;
    }
    const QString verb = words.takeFirst();
    if (verb == QLatin1String("report")) {
        if (words != QStringList{QStringLiteral("status")} || !pdf || pdf->isEmpty()) {
            *error = QStringLiteral("use: report status --pdf FILE");
            return std::nullopt;
        }
        line.verb = Verb::ReportStatus;
        line.file = QDir(*pdf).absolutePath();
        return line;
    }
    for (const VerbName &known : verbs) {
        if (verb != QLatin1String(known.name))
            continue;
        if (words.size() != known.files) {
            *error = known.files ? QStringLiteral("%1 needs one file").arg(verb)
                                 : QStringLiteral("%1 takes no file").arg(verb);
            return std::nullopt;
        }
        line.verb = known.verb;
        if (known.files)
            line.file = QDir(words.first()).absolutePath();
        return line;
    }
    *error = QStringLiteral("unknown command \"%1\"").arg(verb);
    return std::nullopt;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: tessarel-cli [--workbook DIR] COMMAND\n"
        "\n"
        "Works on the workbook folder DIR, or else on the folder the program itself opens.\n"
        "\n"
        "Commands:\n"
        "  status [--format text|csv|json]  the 47 safeguards with their status\n"
        "  todo [--format text|csv|json]    the to-do list's rows that have an item\n"
        "  backup FILE.zip                  backs up the workbook into FILE.zip and checks it\n"
        "  verify FILE.zip                  checks a backup without restoring it\n"
        "  restore FILE.zip [--yes]         makes the workbook the backup's (asks first without --yes)\n"
        "  report status --pdf FILE.pdf     writes the status report as a PDF file\n"
        "\n"
        "Options:\n"
        "  --workbook DIR  the workbook folder\n"
        "  --help          shows this text\n"
        "  --version       shows the program's version\n"
        "\n"
        "Exit status: 0 done, 1 refused or failed (the reason on standard error), 2 wrong use.\n");
}
