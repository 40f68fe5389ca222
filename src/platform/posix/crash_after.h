// Simulated crashes for the tests: VELTRA_CRASH_AFTER=N kills the process right after its Nth
// change to the machine, as a user ending it in the task manager would.
#pragma once

namespace os {

// Counts one change just made to the machine (a registry key created or deleted, a value written
// or deleted, a file written, replaced or deleted, a folder created or removed, a program
// started). At the Nth, the registry changes made so far are saved, as Windows keeps them, and the
// process ends at once with exit code 137: no destructor, no buffer flush, no clean-up.
void countMachineChange();

} // namespace os
