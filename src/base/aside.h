#pragma once
// Work done on a thread of its own while the caller goes on: reading a long
// history on every processor core. When no thread can be started (the
// system's limit reached), the work is done when its result is asked for,
// so it is slower but never lost.

#include <future>
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

} // namespace lumo
