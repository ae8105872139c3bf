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

template <class Work> std::future<std::invoke_result_t<Work>> startAside(Work work)
{
    try {
        return std::async(std::launch::async, work);
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
        promise->addResult(work());
        promise->finish();
    });
}

} // namespace lumo
