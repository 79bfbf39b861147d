#include "core/text/WordDiff.h"

#include <QHash>
#include <algorithm>

namespace WordDiff {

namespace {

struct Token
{
    qsizetype start;
    qsizetype end;    // of the word
    qsizetype gapEnd; // of the blanks after it
    int id = 0;       // equal words share an id
};

bool isTrailingMark(QChar c)
{
    return c == u',' || c == u';' || c == u':' || c == u'.' || c == u'\u2014';
}

std::vector<Token> tokens(const QString &text)
{
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    while (i < n) {
        qsizetype end = i;
        while (end < n && !text[end].isSpace())
            ++end;
        qsizetype gapEnd = end;
        while (gapEnd < n && text[gapEnd].isSpace())
            ++gapEnd;
        qsizetype core = end;
        while (core > i && isTrailingMark(text[core - 1]))
            --core;
        if (core > i && core < end) {
            out.push_back({i, core, core});
            out.push_back({core, end, gapEnd});
        } else {
            out.push_back({i, end, gapEnd});
        }
        i = gapEnd;
    }
    return out;
}

// Beyond this many cells the middle of the texts is shown as removed and added whole.
constexpr qsizetype maxTableCells = qsizetype(1) << 24;

struct Step
{
    Kind kind;
    size_t before; // index into the first text's tokens (Same, Removed)
    size_t after;  // index into the second text's tokens (Same, Added)
};

// The longest common subsequence of the word ids, as steps in text order; removals come before the
// additions they stand beside.
std::vector<Step> steps(const std::vector<Token> &a, const std::vector<Token> &b)
{
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head].id == b[head].id)
        ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail].id == b[b.size() - 1 - tail].id)
        ++tail;
    const size_t n = a.size() - head - tail;
    const size_t m = b.size() - head - tail;

    std::vector<Step> out;
    for (size_t k = 0; k < head; ++k)
        out.push_back({Kind::Same, k, k});
    if (qsizetype(n + 1) * qsizetype(m + 1) > maxTableCells) {
        for (size_t i = 0; i < n; ++i)
            out.push_back({Kind::Removed, head + i, 0});
        for (size_t j = 0; j < m; ++j)
            out.push_back({Kind::Added, 0, head + j});
    } else {
        // lcs[i][j]: the common length of a[head+i..] and b[head+j..].
        const size_t width = m + 1;
        std::vector<int> lcs((n + 1) * width, 0);
        for (size_t i = n; i-- > 0;)
            for (size_t j = m; j-- > 0;)
                lcs[i * width + j] = a[head + i].id == b[head + j].id
                                         ? lcs[(i + 1) * width + j + 1] + 1
                                         : std::max(lcs[(i + 1) * width + j], lcs[i * width + j + 1]);
        size_t i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[head + i].id == b[head + j].id &&
                lcs[i * width + j] == lcs[(i + 1) * width + j + 1] + 1) {
                out.push_back({Kind::Same, head + i++, head + j++});
            } else if (i < n && (j == m || lcs[(i + 1) * width + j] >= lcs[i * width + j + 1])) {
                out.push_back({Kind::Removed, head + i++, 0});
            } else {
                out.push_back({Kind::Added, 0, head + j++});
            }
        }
    }
    for (size_t k = 0; k < tail; ++k)
        out.push_back({Kind::Same, a.size() - tail + k, b.size() - tail + k});
    return out;
}

// Moves each hunk of only added or only removed words past the equal words that follow it where the
// texts allow, so that added words follow the punctuation they share ("information. +A … subcontractor.").
void slideHunks(std::vector<Step> &path, const std::vector<Token> &a, const std::vector<Token> &b)
{
    for (size_t s = 0; s < path.size();) {
        if (path[s].kind == Kind::Same) {
            ++s;
            continue;
        }
        const Kind kind = path[s].kind;
        size_t e = s;
        while (e < path.size() && path[e].kind == kind)
            ++e;
        const bool paired = s > 0 && path[s - 1].kind != Kind::Same;
        const bool added = kind == Kind::Added;
        const auto id = [&](const Step &step) { return added ? b[step.after].id : a[step.before].id; };
        while (!paired && e < path.size() && path[e].kind == Kind::Same && id(path[s]) == id(path[e])) {
            Step same = path[e];
            (added ? same.after : same.before) = added ? path[s].after : path[s].before;
            for (size_t k = e; k > s; --k) {
                path[k] = path[k - 1];
                ++(added ? path[k].after : path[k].before);
            }
            path[s++] = same;
            ++e;
        }
        s = e;
    }
}

// Gathers the shown text into runs; blanks between two words of one changed run stay inside it.
class RunWriter
{
public:
    void word(Kind kind, const QString &text)
    {
        if (!m_runs.empty() && m_runs.back().kind == kind) {
            m_runs.back().text += m_gap + text;
        } else {
            append(Kind::Same, m_gap);
            append(kind, text);
        }
        m_gap.clear();
    }
    void gap(const QString &blanks) { m_gap += blanks; }
    std::vector<Run> finish()
    {
        append(Kind::Same, m_gap);
        return std::move(m_runs);
    }

private:
    void append(Kind kind, const QString &text)
    {
        if (text.isEmpty())
            return;
        if (!m_runs.empty() && m_runs.back().kind == kind)
            m_runs.back().text += text;
        else
            m_runs.push_back({kind, text});
    }
    std::vector<Run> m_runs;
    QString m_gap;
};

} // namespace

double Comparison::similarity() const
{
    const int longer = std::max(before, after);
    return longer == 0 ? 1.0 : double(common) / longer;
}

double Comparison::containment() const
{
    const int shorter = std::min(before, after);
    return shorter == 0 ? 1.0 : double(common) / shorter;
}

Comparison compare(const QString &before, const QString &after)
{
    std::vector<Token> a = tokens(before);
    std::vector<Token> b = tokens(after);
    QHash<QStringView, int> ids;
    for (auto [text, list] : {std::pair{&before, &a}, std::pair{&after, &b}}) {
        for (Token &token : *list) {
            const QStringView word = QStringView(*text).sliced(token.start, token.end - token.start);
            auto known = ids.constFind(word);
            if (known == ids.cend())
                known = ids.insert(word, int(ids.size()));
            token.id = *known;
        }
    }

    std::vector<Step> path = steps(a, b);
    slideHunks(path, a, b);
    Comparison result;
    result.before = int(a.size());
    result.after = int(b.size());
    RunWriter writer;
    for (size_t k = 0; k < path.size(); ++k) {
        const Step &step = path[k];
        const Step *next = k + 1 < path.size() ? &path[k + 1] : nullptr;
        // A Same word takes the blanks of the text whose word is shown next.
        const bool fromBefore = step.kind == Kind::Removed || (step.kind == Kind::Same && next && next->kind == Kind::Removed);
        const QString &text = fromBefore ? before : after;
        const Token &token = fromBefore ? a[step.before] : b[step.after];
        const size_t index = fromBefore ? step.before : step.after;
        if (step.kind == Kind::Same)
            ++result.common;
        writer.word(step.kind, text.sliced(token.start, token.end - token.start));
        writer.gap(text.sliced(token.end, token.gapEnd - token.end));
        if (!next || token.gapEnd > token.end)
            continue;
        // A word joined to its successor in its own text needs a blank when something else follows it.
        const bool successorFollows = fromBefore ? next->kind != Kind::Added && next->before == index + 1
                                                 : next->kind != Kind::Removed && next->after == index + 1;
        const Token &following = next->kind == Kind::Removed ? a[next->before] : b[next->after];
        const QString &followingText = next->kind == Kind::Removed ? before : after;
        const bool followingIsMark = following.end - following.start == 1 && isTrailingMark(followingText[following.start]);
        if (!successorFollows && !followingIsMark)
            writer.gap(QStringLiteral(" "));
    }
    result.runs = writer.finish();
    return result;
}

QString joined(const std::vector<Run> &runs)
{
    QString text;
    for (const Run &run : runs)
        text += run.text;
    return text;
}

} // namespace WordDiff
