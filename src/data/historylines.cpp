#include "data/historylines.h"

namespace lumo {
namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Leading and trailing spaces and tabs removed.
QStringView withoutOuterSpaces(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isSpace(text[start]))
        ++start;
    while (end > start && isSpace(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

bool isMarks(QStringView marks)
{
    return !marks.isEmpty() &&
           std::all_of(marks.begin(), marks.end(), [](QChar c) { return c == kRightMark || c == kWrongMark; });
}

// Reads one to `maxDigits` ASCII digits at `pos`; nullopt when there are none
// or more.
std::optional<int> readNumber(QStringView text, qsizetype& pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

// Equal texts, compared in place: dates are short and compared on every line.
bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace

std::optional<QDate> readHistoryDate(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    const auto year = readNumber(text, pos, 4);
    if (!year || pos != 4 || pos >= text.size())
        return std::nullopt;
    const QChar separator = text[pos];
    if (separator != u'/' && separator != u'-')
        return std::nullopt;
    ++pos;
    const auto month = readNumber(text, pos, 2);
    if (!month || pos >= text.size() || text[pos] != separator)
        return std::nullopt;
    ++pos;
    const auto day = readNumber(text, pos, 2);
    if (!day || pos != text.size())
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

namespace historylines_detail {

bool isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

bool LineReader::read(QStringView line, const Commas& commas, HistoryAnswer& answer)
{
    if (commas.first <= 0 || commas.date <= commas.first)
        return false;
    QStringView marks = line.sliced(commas.last + 1);
    if (!isMarks(marks)) {
        marks = withoutOuterSpaces(marks);
        if (!isMarks(marks))
            return false;
    }
    const QStringView dateText = line.sliced(commas.date + 1, commas.last - commas.date - 1);
    if (!m_haveDate || !sameText(dateText, m_dateText)) {
        const auto date = readHistoryDate(dateText);
        if (!date)
            return false;
        m_dateText = dateText;
        m_haveDate = true;
        m_day = date->toJulianDay();
    }
    answer.english = line.first(commas.first);
    answer.meaning = line.sliced(commas.first + 1, commas.date - commas.first - 1);
    answer.marks = marks;
    answer.day = m_day;
    return true;
}

} // namespace historylines_detail

} // namespace lumo
