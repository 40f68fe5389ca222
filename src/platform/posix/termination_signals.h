// The end of the process by a signal (Ctrl-C, kill, a closed terminal) in the sandbox: what the
// simulated machine has not yet saved is saved first, as Windows keeps what a program wrote.
#pragma once

namespace os {

// From now on SIGINT, SIGTERM and SIGHUP (those not ignored nor handled already) first run
// `action`, on a thread of its own since a signal handler may not allocate or lock, and then end
// the process as the signal would have. A second signal, or one reaching a forked child, ends it
// at once. Called once per process.
void runBeforeTerminationSignals(void (*action)());

} // namespace os
