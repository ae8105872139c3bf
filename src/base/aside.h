#pragma once
// Work done on a thread of its own while the caller goes on: reading a long
// history on every processor core, or a long file while the window goes on. When no thread can be started (the
// system's limit reached), the work is done when its result is asked for,
// so it is slower but never lost.

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

#include <future>
#include <memory>
#include <optional>
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

// Runs `work` on a pooled thread and hands its result to `then(result)` on
// the main thread, unless `context` (the window waiting for it) is gone by
// then: a long file read without holding the window up.
template <class Work, class Then> void deliverAside(QObject* context, Work work, Then then)
{
    using Result = std::invoke_result_t<Work>;
    struct Job {
        Work work;
        Then then;
        QPointer<QObject> context;
        std::optional<Result> result;
    };
    auto job = std::make_shared<Job>(Job{std::move(work), std::move(then), context, std::nullopt});
    QThreadPool::globalInstance()->start([job] {
        job->result.emplace(job->work());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [job] {
                if (job->context)
                    job->then(std::move(*job->result));
            },
            Qt::QueuedConnection);
    });
}

} // namespace lumo
