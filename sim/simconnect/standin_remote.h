// The stand-in steered from another process: with TRELVIK_SIMCONNECT_CONTROL=<name> set, the stand-in serves
// the control pipe "\\.\pipe\<name>" (sim/channel/control_pipe.h) once the program first calls it. Requests,
// one per call, each answered "ok" or "error <reason>":
//   data <area> <hex bytes>   the add-on sets the client-data area (SimStandIn_SetClientData)
//   aircraft <text>           the loaded aircraft's text (the rest of the line)
//   simstart                  a flight starts ("SimStart" to its subscribers)
//   running <0|1>             the simulator goes away / runs again
//   quit                      the simulator quits
//   eventtimes <n>            "ok" and when each add-on event from the n-th (0-based) on was sent, in
//                             QueryPerformanceCounter ticks
#pragma once

namespace standin {

inline constexpr char kControlVariable[] = "TRELVIK_SIMCONNECT_CONTROL";

// Starts serving when the variable is set; the DLL then stays loaded for the rest of the process.
void StartRemoteControlFromEnvironment();

}  // namespace standin
