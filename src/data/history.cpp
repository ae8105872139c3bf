#include "data/history.h"

#include "base/clock.h"

#include <QStringView>

namespace lumo {
namespace {

QString withSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

// Where the line whose English field is `english` ends (the index of its
// CR LF) in `text`, a text whose every line ends with CR LF; -1 when none.
qsizetype endOfLineFor(QStringView text, QStringView english)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(kCrLf, start);
        if (end < 0)
            end = text.size();
        const QStringView line = text.sliced(start, end - start);
        const qsizetype comma = line.indexOf(u',');
        // A line without a comma (the empty separator lines) has no English field.
        if (comma >= 0 && line.first(comma) == english)
            return end;
        start = end + kCrLf.size();
    }
    return -1;
}

} // namespace

QString recordJudgement(const QString& history, const QString& english, const QString& meaning, const QString& mark,
                        QDate date)
{
    QString text = history + kCrLf;
    const qsizetype end = endOfLineFor(text, english);
    if (end >= 0) {
        text.insert(end, mark);
        return text;
    }
    text += kCrLf;
    text += english + u',' + meaning + u',' + shortJapaneseDate(date) + u',' + mark;
    return text;
}

QString HistorySaveResult::errors() const
{
    QStringList messages;
    if (!last.ok)
        messages.append(last.error);
    if (!training.ok)
        messages.append(training.error);
    return messages.join(u'\n');
}

QString HistorySaveResult::message() const
{
    if (ok())
        return {};
    QStringList lines{QStringLiteral("今回の学習の記録を保存できなかったファイルがあります。")};
    const std::pair<const char*, const WriteResult*> files[] = {{kLastTrainingFile, &last}, {kTrainingFile, &training}};
    for (const auto& [name, result] : files) {
        if (result->ok)
            lines.append(QStringLiteral("・「%1」には保存しました。").arg(QLatin1String(name)));
        else
            lines.append(QStringLiteral("・") + result->error + QStringLiteral("このファイルは以前のままです。"));
    }
    return lines.join(u'\n');
}

HistorySaveResult saveHistory(const QString& folder, const QString& history)
{
    const QString base = withSeparator(folder);
    // Words from a damaged course file may carry characters no file can hold;
    // they are saved as "?" rather than losing the whole run.
    const QString text = toStorableText(history);
    HistorySaveResult result;
    result.last = writeTextFile(base + QLatin1String(kLastTrainingFile), text);
    result.training = appendTextFile(base + QLatin1String(kTrainingFile), text + kCrLf);
    return result;
}

} // namespace lumo
