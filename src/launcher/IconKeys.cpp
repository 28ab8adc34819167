#include "launcher/IconKeys.h"

#include <QStringList>
#include <Qt>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace ulvanta::launcher {

namespace {

// The words of a text, without case, accents or punctuation.
QStringList wordsOf(const QString& text) {
    const QString plain = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QStringList words;
    QString word;
    for (const QChar c : plain) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!c.isMark() && !word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// Whether the letters are initials of words, in order, from the first word on or
// later.
bool areInitials(const QString& letters, const QStringList& words) {
    qsizetype next = 0;
    for (const QString& w : words) {
        if (next < letters.size() && w.front() == letters[next])
            ++next;
    }
    return next == letters.size();
}

} // namespace

bool findsIcon(const QString& typed, const QString& description) {
    const QStringList want = wordsOf(typed);
    if (want.isEmpty())
        return true;
    const QStringList words = wordsOf(description);
    if (words.join(QLatin1Char(' ')).contains(want.join(QLatin1Char(' '))))
        return true;
    return areInitials(want.join(QString()), words);
}

int iconAfterStep(const std::vector<QRectF>& shown, int from, IconStep step) {
    const int n = int(shown.size());
    if (n == 0)
        return -1;
    if (from < 0 || from >= n)
        return 0;
    switch (step) {
    case IconStep::Next:
        return std::min(from + 1, n - 1);
    case IconStep::Previous:
        return std::max(from - 1, 0);
    case IconStep::Below:
    case IconStep::Above:
        break;
    }
    const QRectF at = shown[size_t(from)];
    const double sign = step == IconStep::Below ? 1 : -1;
    // The nearest row on that side: icons whose middle lies past this icon's edge.
    double rowGap = std::numeric_limits<double>::max();
    for (const QRectF& r : shown) {
        const double gap = sign * (r.center().y() - at.center().y());
        if (gap > at.height() / 2)
            rowGap = std::min(rowGap, gap);
    }
    int best = from;
    double bestOffset = std::numeric_limits<double>::max();
    for (int i = 0; i < n; ++i) {
        const QRectF& r = shown[size_t(i)];
        const double gap = sign * (r.center().y() - at.center().y());
        const double offset = std::abs(r.center().x() - at.center().x());
        if (gap > at.height() / 2 && gap < rowGap + r.height() / 2 && offset < bestOffset) {
            best = i;
            bestOffset = offset;
        }
    }
    return best;
}

void IconKeys::reset() {
    m_typed.clear();
    m_focusing = false;
    m_escaped = false;
}

IconKeys::Act IconKeys::arrow(IconStep step) {
    if (!m_focusing)
        return Act::Pass; // the page scrolls
    m_step = step;
    return Act::Step;
}

IconKeys::Act IconKeys::press(int key, bool commandKey, const QString& text, bool closable) {
    const bool escaped = std::exchange(m_escaped, false);
    if (commandKey)
        return Act::Pass;
    switch (key) {
    case Qt::Key_Escape:
        // The first clears, a second one in a row closes the window.
        if (escaped && m_typed.isEmpty() && !m_focusing && closable)
            return Act::Exit;
        reset();
        m_escaped = true;
        return Act::Find;
    case Qt::Key_Backspace:
        if (m_typed.isEmpty())
            return Act::Pass;
        m_typed.chop(1);
        m_focusing = false;
        return Act::Find;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_focusing)
            return Act::StartFocused;
        return m_typed.isEmpty() ? Act::Pass : Act::StartFirst;
    case Qt::Key_Home:
        m_focusing = true;
        return Act::FocusFirst;
    case Qt::Key_Right:
        return arrow(IconStep::Next);
    case Qt::Key_Left:
        return arrow(IconStep::Previous);
    case Qt::Key_Down:
        return arrow(IconStep::Below);
    case Qt::Key_Up:
        return arrow(IconStep::Above);
    case Qt::Key_Space:
        if (m_focusing)
            return Act::StartFocused;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (std::exchange(m_focusing, false))
            return Act::Leave;
        return Act::Pass;
    default:
        break;
    }
    // Text is typed only after a first letter: a lone Space still scrolls the page.
    const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                                          [](QChar c) { return c.isPrint(); });
    if (!printable || (m_typed.isEmpty() && text.trimmed().isEmpty()))
        return Act::Pass;
    m_typed += text;
    m_focusing = false;
    return Act::Find;
}

} // namespace ulvanta::launcher
