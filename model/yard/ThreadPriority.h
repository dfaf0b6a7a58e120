#pragma once

#include <thread>

// Thread priorities, where the system lets a program change them.
namespace threadpriority {

// Raises a running thread to the highest normal priority of its scheduling class.
// False when the system does not allow it (for example Linux without the right
// to raise priorities, where every normal thread has the same priority).
bool RaiseToHighest(std::thread& thread);

} // namespace threadpriority
