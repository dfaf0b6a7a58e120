#include "model/yard/ThreadPriority.h"

#include <pthread.h>
#include <sched.h>

namespace threadpriority {

bool RaiseToHighest(std::thread& thread) {
    if (!thread.joinable())
        return false;
    int policy = 0;
    sched_param parameters{};
    if (pthread_getschedparam(thread.native_handle(), &policy, &parameters) != 0)
        return false;
    const int highest = sched_get_priority_max(policy);
    if (highest < 0 || parameters.sched_priority >= highest)
        return false;
    parameters.sched_priority = highest;
    return pthread_setschedparam(thread.native_handle(), policy, &parameters) == 0;
}

} // namespace threadpriority
