#include "model/yard/ThreadPriority.h"

#if defined(_WIN32) && defined(_MSC_VER)
#include <windows.h>
#elif !defined(_WIN32)
#include <pthread.h>
#include <sched.h>
#endif

namespace threadpriority {

bool RaiseToHighest(std::thread& thread) {
    if (!thread.joinable())
        return false;
#if defined(_WIN32) && defined(_MSC_VER)
    return SetThreadPriority(thread.native_handle(), THREAD_PRIORITY_HIGHEST) != 0;
#elif !defined(_WIN32)
    int policy = 0;
    sched_param parameters{};
    if (pthread_getschedparam(thread.native_handle(), &policy, &parameters) != 0)
        return false;
    const int highest = sched_get_priority_max(policy);
    if (highest < 0 || parameters.sched_priority >= highest)
        return false;
    parameters.sched_priority = highest;
    return pthread_setschedparam(thread.native_handle(), policy, &parameters) == 0;
#else
    return false;
#endif
}

} // namespace threadpriority
