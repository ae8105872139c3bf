#include "history/traininghistory.h"

#include "base/aside.h"
#include "data/textfile.h"

#include <QFileInfo>
#include <QMetaObject>

#include <utility>

namespace lumo {
namespace {

// A history up to this size is read at once on the window's thread (a
// millisecond or two); a longer one on a thread of its own.
constexpr qint64 kBytesReadAtOnce = 256 * 1024;
// Below this the file is read by one thread; above it each half by its own.
constexpr qint64 kBytesWorthAThread = qint64(4) << 20;
// Each half is read and decoded this much at a time: small pieces keep the
// memory a load adds to its result and a few hundred kilobytes.
constexpr qsizetype kPieceBytes = 256 << 10;

} // namespace

TrainingHistory::TrainingHistory(QObject* parent) : QObject(parent) {}

TrainingHistory::~TrainingHistory()
{
    if (m_loading.valid())
        m_loading.wait();
}

void TrainingHistory::setFolder(const QString& folder)
{
    m_folder = folder;
}

HistorySaveResult TrainingHistory::saveRun() const
{
    if (!runHasAnswers())
        return {};
    return saveHistory(m_folder, m_runText);
}

void TrainingHistory::record(const QString& english, const QString& meaning, bool right, QDate date)
{
    m_runText = recordJudgement(m_runText, english, meaning, right ? QStringLiteral("○") : QStringLiteral("×"), date);
    const int word = m_run.find(english);
    if (word < 0)
        m_run.addLine(english, meaning, date.toJulianDay(), right ? QStringView(u"○") : QStringView(u"×"));
    else
        m_run.addMark(word, right);
}

TrainingHistory::Loaded TrainingHistory::load(const QString& path)
{
    Loaded result;
    const TextFileReader reader(path);
    if (reader.status() == TextFile::Status::Missing)
        return result;
    if (reader.status() != TextFile::Status::Ok) {
        result.problems.append(readProblemMessage(TextFile{{}, reader.status(), 0, 0, 0}, path));
        return result;
    }
    // A long file is read in two halves side by side, each into a log of
    // its own; the second is then added to the first.
    const qint64 half = reader.size() < kBytesWorthAThread ? reader.size() : reader.lineStartAfter(reader.size() / 2);
    AnswerLog second;
    auto secondHalf = startAside([&] {
        return reader.readLines(
            half, reader.size(), [&second](QStringView text) { second.addText(text); }, kPieceBytes);
    });
    TextFileReader::Result read = reader.readLines(
        0, half, [&result](QStringView text) { result.file.addText(text); }, kPieceBytes);
    const TextFileReader::Result readSecond = secondHalf.get();
    if (read.status == TextFile::Status::Ok || read.status == TextFile::Status::BadBytes) {
        read.badBytes += readSecond.badBytes;
        if (readSecond.status != TextFile::Status::Ok && readSecond.status != TextFile::Status::BadBytes)
            read = readSecond;
        else if (read.badBytes > 0)
            read.status = TextFile::Status::BadBytes;
    }
    if (read.status != TextFile::Status::Ok)
        result.problems.append(readProblemMessage(read.asTextFile(), path));
    if (read.status != TextFile::Status::Ok && read.status != TextFile::Status::BadBytes) {
        result.file = AnswerLog();
        return result;
    }
    result.file.append(std::move(second));
    result.replayed = replayAnswers(result.file, QDate::fromJulianDay(0));
    return result;
}

void TrainingHistory::startLoading()
{
    m_state = State::Loading;
    // Without a program folder there is no file; a short history is read at
    // once, since a thread would cost more than it saves.
    const QString path = m_folder.isEmpty() ? QString() : m_folder + QLatin1String(kTrainingFile);
    if (path.isEmpty() || QFileInfo(path).size() <= kBytesReadAtOnce) {
        install(load(path));
        return;
    }
    m_loading = startAside([this, path] {
        Loaded loaded = load(path);
        QMetaObject::invokeMethod(this, &TrainingHistory::finishLoading, Qt::QueuedConnection);
        return loaded;
    });
}

void TrainingHistory::finishLoading()
{
    if (m_state == State::Loading && m_loading.valid())
        install(m_loading.get());
}

void TrainingHistory::install(Loaded result)
{
    m_file = std::move(result.file);
    m_replayed = std::move(result.replayed);
    m_problems = std::move(result.problems);
    m_state = State::Loaded;
    const std::vector<Waiter> waiters = std::exchange(m_waiters, {});
    for (const Waiter& waiter : waiters)
        if (waiter.context)
            waiter.then();
    emit loaded();
}

void TrainingHistory::whenLoaded(QObject* context, std::function<void()> then)
{
    if (m_state == State::Loaded) {
        then();
        return;
    }
    m_waiters.push_back({context, std::move(then)});
    if (m_state == State::NotLoaded)
        startLoading();
    // Without a thread to spare the load was put off until asked for.
    if (m_state == State::Loading && m_loading.valid() &&
        m_loading.wait_for(std::chrono::seconds(0)) == std::future_status::deferred)
        finishLoading();
}

void TrainingHistory::waitUntilLoaded()
{
    if (m_state == State::NotLoaded)
        startLoading();
    finishLoading();
}

TodaysReview TrainingHistory::todaysReview(QDate today, int limit) const
{
    return chooseTodaysReview(continueReplay(m_replayed, m_file, m_run, today), today, limit);
}

HistorySummary TrainingHistory::summary(QDate today, int mostMissedCount) const
{
    return summariseAnswers(m_file, m_run, today, mostMissedCount);
}

std::vector<exchange::WordPair> TrainingHistory::missedWords() const
{
    return exchange::missedWords(m_file, m_run);
}

} // namespace lumo
