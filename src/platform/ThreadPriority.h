#pragma once

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ThreadPriority {

// Puts the calling thread in the idle scheduling class: it runs only on what the interface and the
// X server leave of the processors, so the room's frame always comes first. Where the class is
// refused, the thread takes the lowest priority instead.
inline void YieldToInterface()
{
    const sched_param none{};
    if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &none) != 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
}

} // namespace ThreadPriority
