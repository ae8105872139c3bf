#pragma once
// Work done on a thread of its own while the caller goes on: reading a long
// history on every processor core. When no thread can be started (the
// system's limit reached), the work is done when its result is asked for,
// so it is slower but never lost.

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QThreadPool>

#include <future>
#include <memory>
#include <system_error>
#include <type_traits>
#include <utility>

namespace lumo {

// A thread starts with the processor state of the thread that made it. Qt's
// image code (filling and drawing) leaves the upper halves of the AVX
// registers marked in use, and while they are, every scalar floating-point
// instruction of code built for plain x86-64 waits on them: the history's
// replay ran four times slower on a thread started after the first paint.
// Work run aside clears that state before it starts; elsewhere this does
// nothing.
void clearVectorUpperState();

template <class Work> std::future<std::invoke_result_t<Work>> startAside(Work work)
{
    auto cleared = [work]() mutable {
        clearVectorUpperState();
        return work();
    };
    try {
        return std::async(std::launch::async, cleared);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::move(work));
    }
}

// Runs `work` on a thread of Qt's pool and then `done(result)` on the
// thread of `receiver`, from its event loop, so that a window reading a large
// file goes on answering meanwhile. Nothing is delivered once `receiver` is
// gone; the work itself still runs to its end.
template <class Work, class Done> void deliverAside(QObject* receiver, Work work, Done done)
{
    using Result = std::invoke_result_t<Work>;
    auto promise = std::make_shared<QPromise<Result>>();
    auto* watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver, [watcher, done = std::move(done)]() mutable {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0)
            done(watcher->future().takeResult());
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, work = std::move(work)]() mutable {
        clearVectorUpperState();
        promise->addResult(work());
        promise->finish();
    });
}

} // namespace lumo
