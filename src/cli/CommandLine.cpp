#include "cli/CommandLine.h"

#include <QDir>

#include "core/catalogue/Catalogue.h"
#include "core/search/SearchIndex.h"

namespace {

// The options a verb takes, as bits.
enum Option : unsigned { Format = 1, Yes = 2, Pdf = 4, Undecided = 8, Due = 16, Level = 32, Open = 64 };

constexpr std::pair<Option, const char *> optionNames[] = {
    {Format, "--format"}, {Yes, "--yes"},     {Pdf, "--pdf"},   {Undecided, "--undecided"},
    {Due, "--due"},       {Level, "--level"}, {Open, "--open"},
};

// What follows a verb's name.
enum class Operands { None, File, Item, Words, ReportName };

struct VerbName
{
    const char *name;
    CommandLine::Verb verb;
    Operands operands;
    unsigned options;
};

constexpr VerbName verbs[] = {
    {"status", CommandLine::Verb::Status, Operands::None, Format},
    {"todo", CommandLine::Verb::Todo, Operands::None, Format},
    {"backup", CommandLine::Verb::Backup, Operands::File, 0},
    {"verify", CommandLine::Verb::Verify, Operands::File, 0},
    {"restore", CommandLine::Verb::Restore, Operands::File, Yes},
    {"report", CommandLine::Verb::ReportStatus, Operands::ReportName, Pdf},
    {"decisions", CommandLine::Verb::Decisions, Operands::None, Format | Undecided},
    {"reviews", CommandLine::Verb::Reviews, Operands::None, Format | Due},
    {"history", CommandLine::Verb::History, Operands::Item, Format},
    {"risks", CommandLine::Verb::Risks, Operands::None, Format | Level | Open},
    {"search", CommandLine::Verb::Search, Operands::Words, Format},
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

// Reads what follows the verb's name into `line`; false, with the reason in `error`, for a wrong use.
bool readOperands(const VerbName &verb, const QStringList &operands, bool pdfGiven, CommandLine &line,
                  QString *error)
{
    const QString name = QString::fromLatin1(verb.name);
    switch (verb.operands) {
    case Operands::None:
        if (!operands.isEmpty())
            *error = QStringLiteral("%1 takes no file").arg(name);
        break;
    case Operands::File:
        if (operands.size() != 1)
            *error = QStringLiteral("%1 needs one file").arg(name);
        else
            line.file = QDir(operands.first()).absolutePath();
        break;
    case Operands::ReportName:
        if (operands != QStringList{QStringLiteral("status")} || !pdfGiven || line.file.isEmpty())
            *error = QStringLiteral("use: report status --pdf FILE");
        else
            line.file = QDir(line.file).absolutePath();
        break;
    case Operands::Item: {
        bool number = false;
        line.item = operands.size() == 1 ? operands.first().toInt(&number) : 0;
        if (!number || !Catalogue::item(line.item))
            *error = QStringLiteral("%1 needs one item number from 1 to %2").arg(name).arg(Catalogue::itemCount);
        break;
    }
    case Operands::Words:
        line.words = operands.join(QLatin1Char(' '));
        if (SearchIndex::words(line.words).isEmpty())
            *error = QStringLiteral("%1 needs the words to find").arg(name);
        break;
    }
    return error->isEmpty();
}

std::optional<RiskScale::Level> levelNamed(const QString &name)
{
    RiskScale::Level level = RiskScale::Level::Low;
    for (const QString &known : RiskScale::levelNames())
        if (known.compare(name, Qt::CaseInsensitive) == 0 && RiskScale::levelFromName(known, level))
            return level;
    return std::nullopt;
}

} // namespace

std::optional<CommandLine> CommandLine::parse(const QStringList &arguments, QString *error)
{
    QStringList words = arguments.mid(1);
    // Words after "--" are never options: a search for "-v", say.
    QStringList afterOptions;
    if (const qsizetype end = words.indexOf(QStringLiteral("--")); end >= 0) {
        afterOptions = words.mid(end + 1);
        words.resize(end);
    }
    CommandLine line;
    if (takeFlag(words, QStringLiteral("--help")) || takeFlag(words, QStringLiteral("-h"))) {
        line.verb = Verb::Help;
        return line;
    }
    if (takeFlag(words, QStringLiteral("--version"))) {
        line.verb = Verb::Version;
        return line;
    }
    unsigned given = 0;
    auto note = [&given](Option option, bool present) {
        if (present)
            given |= option;
    };
    const std::optional<QString> workbook = takeValue(words, QStringLiteral("--workbook"), error);
    const std::optional<QString> format = takeValue(words, QStringLiteral("--format"), error);
    const std::optional<QString> pdf = takeValue(words, QStringLiteral("--pdf"), error);
    const std::optional<QString> level = takeValue(words, QStringLiteral("--level"), error);
    line.yes = takeFlag(words, QStringLiteral("--yes"));
    line.undecided = takeFlag(words, QStringLiteral("--undecided"));
    line.due = takeFlag(words, QStringLiteral("--due"));
    const bool open = takeFlag(words, QStringLiteral("--open"));
    note(Format, format.has_value());
    note(Pdf, pdf.has_value());
    note(Level, level.has_value());
    note(Yes, line.yes);
    note(Undecided, line.undecided);
    note(Due, line.due);
    note(Open, open);
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
    if (level) {
        line.risks.level = levelNamed(*level);
        if (!line.risks.level) {
            *error = QStringLiteral("unknown level \"%1\": use %2").arg(*level, RiskScale::levelNames().join(u", "));
            return std::nullopt;
        }
    }
    if (open)
        line.risks.status = RiskFilter::Status::Open;
    line.file = pdf.value_or(QString());
    for (const QString &word : std::as_const(words)) {
        if (word.startsWith(QLatin1Char('-'))) {
            *error = QStringLiteral("unknown option \"%1\"").arg(word);
            return std::nullopt;
        }
    }
    words += afterOptions;
    if (words.isEmpty()) {
        *error = QStringLiteral("no command given");
        return std::nullopt;
    }
    const QString verb = words.takeFirst();
    for (const VerbName &known : verbs) {
        if (verb != QLatin1String(known.name))
            continue;
        for (const auto &[option, name] : optionNames) {
            if ((given & option) && !(known.options & option)) {
                *error = QStringLiteral("%1 does not go with %2").arg(QLatin1String(name), verb);
                return std::nullopt;
            }
        }
        line.verb = known.verb;
        if (!readOperands(known, words, pdf.has_value(), line, error))
            return std::nullopt;
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
        "  status [--format F]              the 47 safeguards with their status\n"
        "  todo [--format F]                the to-do list's rows that have an item\n"
        "  decisions [--undecided] [--format F]\n"
        "                                   the Addressable items' decisions; --undecided: those without one\n"
        "  reviews [--due] [--format F]     each entry's last review and next one due; --due: those overdue\n"
        "                                   or due within 30 days\n"
        "  history ITEM [--format F]        the saved versions of item ITEM's entries (1 to 47) and its\n"
        "                                   status changes\n"
        "  risks [--level L] [--open] [--format F]\n"
        "                                   the risk register; --level Low, Moderate, High or Critical;\n"
        "                                   --open: the open risks; as csv, the file the program imports\n"
        "  search WORDS... [--format F]     the lines holding the words, as a phrase, letter case ignored, in\n"
        "                                   the rule, the items' texts, entries, to-do rows, decisions, risks\n"
        "  backup FILE.zip                  backs up the workbook into FILE.zip and checks it\n"
        "  verify FILE.zip                  checks a backup without restoring it\n"
        "  restore FILE.zip [--yes]         makes the workbook the backup's (asks first without --yes)\n"
        "  report status --pdf FILE.pdf     writes the status report as a PDF file\n"
        "\n"
        "Options:\n"
        "  --workbook DIR  the workbook folder\n"
        "  --format F      text, csv or json (text when not given)\n"
        "  --help          shows this text\n"
        "  --version       shows the program's version\n"
        "  --              what follows is not an option (search -- -words)\n"
        "\n"
        "Only restore changes the workbook; the listings and search read it and write nothing.\n"
        "\n"
        "Exit status: 0 done, 1 refused or failed (the reason on standard error), 2 wrong use.\n"
        "search ends with 1 when it finds nothing, as grep does.\n");
}
