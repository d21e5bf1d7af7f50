// The bank controlled from another process (sim/hidsim_mirror.h): the state mirror and the control pipe.
#pragma once

namespace hidsim {

class Bank;

// With VENTRIX_HIDSIM_CONTROL set: opens the mirror and serves the control pipe. Called once, when the bank
// has been made.
void StartRemoteControlFromEnvironment();
// Copies the boards into the mirror when one is open and something changed; the bank's lock is held.
void PublishMirror(Bank& bank);

}  // namespace hidsim
