#include "core/spelling/SpellChecker.h"

#include <QFile>
#include <QFileInfo>
#include <hunspell.hxx>

#include "core/spelling/RuleVocabulary.h"
#include "core/spelling/SpellWords.h"

SpellChecker::SpellChecker(const QString &userDictionary, const QString &mainDictionary)
    : m_userDictionary(userDictionary)
{
    const QByteArray aff = QFile::encodeName(mainDictionary + QStringLiteral(".aff"));
    const QByteArray dic = QFile::encodeName(mainDictionary + QStringLiteral(".dic"));
    if (QFile::exists(QString::fromLocal8Bit(aff)) && QFile::exists(QString::fromLocal8Bit(dic)))
        m_hunspell = std::make_unique<Hunspell>(aff.constData(), dic.constData());

    QFile file(userDictionary);
    if (file.open(QIODevice::ReadOnly)) {
        m_userListPartial = file.size() > MaxUserDictionaryBytes;
        QByteArray bytes = file.read(MaxUserDictionaryBytes);
        if (m_userListPartial)
            bytes.truncate(bytes.lastIndexOf('\n') + 1); // no word cut in two
        const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !m_userLower.contains(word.toLower())) {
                m_userWords.append(word);
                m_userLower.insert(word.toLower());
            }
        }
    }
}

SpellChecker::~SpellChecker() = default;

QString SpellChecker::defaultMainDictionary()
{
    return QStringLiteral("/usr/share/hunspell/en_US");
}

bool SpellChecker::inDictionary(const QString &word) const
{
    QString plain = word;
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    return m_hunspell && m_hunspell->spell(plain.toStdString());
}

bool SpellChecker::isCorrect(const QString &word) const
{
    if (word.isEmpty() || SpellWords::isAbbreviation(word) || m_ignored.contains(word))
        return true;
    const QString lower = word.toLower();
    if (m_userLower.contains(lower) || RuleVocabulary::words().contains(lower))
        return true;
    // Without a dictionary nothing can be judged wrong.
    return !m_hunspell || inDictionary(word);
}

QStringList SpellChecker::suggestions(const QString &word) const
{
    QStringList out;
    QString corrected = autoCorrectFor(word);
    // A capital starting the word starts its correction too.
    if (!corrected.isEmpty() && word.front().isUpper())
        corrected.front() = corrected.front().toUpper();
    if (!corrected.isEmpty())
        out.append(corrected);
    if (m_hunspell && word.size() <= MaxSuggestedLength) {
        for (const std::string &s : m_hunspell->suggest(word.toStdString())) {
            const QString suggestion = QString::fromStdString(s);
            if (!out.contains(suggestion))
                out.append(suggestion);
            if (out.size() >= MaxSuggestions)
                break;
        }
    }
    return out;
}

WriteResult SpellChecker::addUserWord(const QString &word)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty() || m_userLower.contains(trimmed.toLower()))
        return {true, {}};
    m_userLower.insert(trimmed.toLower());
    const QStringList words = QStringList(m_userWords) << trimmed;
    const QByteArray bytes = (words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (bytes.size() > MaxUserDictionaryBytes)
        return {false, QStringLiteral("%1 holds as many words as it can (%2); \"%3\" is accepted until the "
                                      "program ends but not kept.")
                           .arg(QFileInfo(m_userDictionary).fileName(),
                                FileLimits::sizeText(MaxUserDictionaryBytes), trimmed)};
    m_userWords.append(trimmed);
    if (m_userListPartial) {
        if (const WriteResult kept = keepCopyAside(m_userDictionary); !kept)
            return kept;
        m_userListPartial = false;
    }
    return writeWholeFile(m_userDictionary, bytes);
}

void SpellChecker::addAutoCorrect(const QString &misspelling, const QString &correction)
{
    m_autoCorrect.append({misspelling, correction});
}

QString SpellChecker::autoCorrectMisspelling(int i) const
{
    return i >= 0 && i < m_autoCorrect.size() ? m_autoCorrect[i].first : QString();
}

QString SpellChecker::autoCorrectCorrection(int i) const
{
    return i >= 0 && i < m_autoCorrect.size() ? m_autoCorrect[i].second : QString();
}

QString SpellChecker::autoCorrectFor(const QString &word) const
{
    for (const auto &[misspelling, correction] : m_autoCorrect)
        if (misspelling.compare(word, Qt::CaseInsensitive) == 0)
            return correction;
    return {};
}
