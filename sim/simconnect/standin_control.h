/* The test control of the SimConnect.dll stand-in: plain C exports beside the simulator calls.
 *
 * The stand-in plays a running simulator with the add-on loaded: opens succeed and answer with an open
 * record; client-data areas are fed by name and reach every session that mapped and requested them;
 * "SimStart" and the loaded-aircraft state are answered; quit, exception and raw records can be queued.
 * Every simulator call but SimConnect_CallDispatch is journaled as one text line, in call order:
 *
 *   SimConnect_Open(<session>, "<name>", <window>, <message>, <event>, <config>)
 *   SimConnect_Close(<session>)
 *   SimConnect_MapClientDataNameToID(<session>, "<name>", 0x<id>)
 *   SimConnect_AddToClientDataDefinition(<session>, 0x<definition>, <offset>, <size>, <epsilon>, 0x<datum>)
 *   SimConnect_RequestClientData(<session>, 0x<id>, <request>, 0x<definition>, <period>, <flags>, <origin>,
 *                                <interval>, <limit>)
 *   SimConnect_SubscribeToSystemEvent(<session>, <event>, "<name>")
 *   SimConnect_RequestSystemState(<session>, <request>, "<state>")
 *   SimConnect_MapClientEventToSimEvent(<session>, <event>, "<name>")
 *   SimConnect_TransmitClientEvent(<session>, <object>, <event>, 0x<data>, <group>, <flags>)
 *
 * <session> is the session's number (1 for the first open since the last reset), 0 for a null handle and
 * "?" for a handle the stand-in never gave out; Open shows the session it made, 0 when it failed. Numbers are
 * decimal, those written 0x here eight upper-case hexadecimal digits; text arguments appear as given.
 * Dispatch calls are counted instead. With the environment variable TRELVIK_SIMCONNECT_JOURNAL naming a
 * file, every journal line is also appended to that file (for a test in another process).
 */
#ifndef TRELVIK_SIM_SIMCONNECT_STANDIN_CONTROL_H
#define TRELVIK_SIM_SIMCONNECT_STANDIN_CONTROL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Back to the start: no sessions, empty journal, simulator running, no failing calls, no areas, the
 * default loaded aircraft, session numbers from 1 again. */
typedef void (*SimStandIn_ResetFn)(void);
/* 0: the simulator is gone: open sessions vanish without a record and every call on them, and every open,
 * fails. 1: it runs again (new opens succeed). */
typedef void (*SimStandIn_SetSimulatorRunningFn)(int32_t running);
/* Every later call of the named function returns `result` (0 puts the function back to normal). */
typedef void (*SimStandIn_FailCallFn)(const char* function, int32_t result);
/* The text of the "AircraftLoaded" state. */
typedef void (*SimStandIn_SetAircraftLoadedFn)(const char* text);
/* The add-on sets the named client-data area: each session that requested it gets a client-data record with
 * its definition's bytes (zero beyond the area), unless it asked for changes only and nothing changed. */
typedef void (*SimStandIn_SetClientDataFn)(const char* area, const void* bytes, uint32_t size);
/* The simulator starts a flight: an event record for every "SimStart" subscription. */
typedef void (*SimStandIn_FireSimStartFn)(void);
/* The simulator quits: every open session gets a quit record and then fails every call but Close. */
typedef void (*SimStandIn_SendQuitFn)(void);
/* An exception record to every open session. */
typedef void (*SimStandIn_SendExceptionFn)(uint32_t exception, uint32_t sendId, uint32_t index);
/* The given bytes as one record to every open session, dispatched with the given size. */
typedef void (*SimStandIn_QueueRecordFn)(const void* record, uint32_t size);
/* The journal: its line count, and line `index` copied with its terminating zero into `buffer`; returns
 * the line's length, or -1 when there is no such line or the buffer is too small. */
typedef int32_t (*SimStandIn_JournalSizeFn)(void);
typedef int32_t (*SimStandIn_JournalLineFn)(int32_t index, char* buffer, uint32_t size);
typedef void (*SimStandIn_ClearJournalFn)(void);
/* SimConnect_CallDispatch calls since the last reset, and the session number of the last one (0 null). */
typedef int32_t (*SimStandIn_DispatchCountFn)(void);
typedef int32_t (*SimStandIn_LastDispatchSessionFn)(void);
/* Sessions opened and neither closed, quit nor vanished. */
typedef int32_t (*SimStandIn_OpenSessionCountFn)(void);

/* What an open record carries. */
#define SIM_STANDIN_APPLICATION_NAME "Stand-in Simulator"
#define SIM_STANDIN_APPLICATION_VERSION 10, 0, 62615, 0
#define SIM_STANDIN_SIMCONNECT_VERSION 10, 0, 61242, 0
/* The "AircraftLoaded" text after a reset. */
#define SIM_STANDIN_DEFAULT_AIRCRAFT "SimObjects\\Airplanes\\Stand-in Trainer\\trainer.air"

#ifdef __cplusplus
}

#include <windows.h>

#include <string>
#include <type_traits>
#include <vector>

/* The control exports of a loaded stand-in, resolved by name. */
struct SimConnectStandIn {
  SimStandIn_ResetFn Reset = nullptr;
  SimStandIn_SetSimulatorRunningFn SetSimulatorRunning = nullptr;
  SimStandIn_FailCallFn FailCall = nullptr;
  SimStandIn_SetAircraftLoadedFn SetAircraftLoaded = nullptr;
  SimStandIn_SetClientDataFn SetClientData = nullptr;
  SimStandIn_FireSimStartFn FireSimStart = nullptr;
  SimStandIn_SendQuitFn SendQuit = nullptr;
  SimStandIn_SendExceptionFn SendException = nullptr;
  SimStandIn_QueueRecordFn QueueRecord = nullptr;
  SimStandIn_JournalSizeFn JournalSize = nullptr;
  SimStandIn_JournalLineFn JournalLine = nullptr;
  SimStandIn_ClearJournalFn ClearJournal = nullptr;
  SimStandIn_DispatchCountFn DispatchCount = nullptr;
  SimStandIn_LastDispatchSessionFn LastDispatchSession = nullptr;
  SimStandIn_OpenSessionCountFn OpenSessionCount = nullptr;

  /* False when the module lacks one of the exports. */
  bool Resolve(HMODULE module) {
    bool all = true;
    auto take = [&](auto& entry, const char* name) {
      entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
          reinterpret_cast<void*>(GetProcAddress(module, name)));
      all = all && entry != nullptr;
    };
    take(Reset, "SimStandIn_Reset");
    take(SetSimulatorRunning, "SimStandIn_SetSimulatorRunning");
    take(FailCall, "SimStandIn_FailCall");
    take(SetAircraftLoaded, "SimStandIn_SetAircraftLoaded");
    take(SetClientData, "SimStandIn_SetClientData");
    take(FireSimStart, "SimStandIn_FireSimStart");
    take(SendQuit, "SimStandIn_SendQuit");
    take(SendException, "SimStandIn_SendException");
    take(QueueRecord, "SimStandIn_QueueRecord");
    take(JournalSize, "SimStandIn_JournalSize");
    take(JournalLine, "SimStandIn_JournalLine");
    take(ClearJournal, "SimStandIn_ClearJournal");
    take(DispatchCount, "SimStandIn_DispatchCount");
    take(LastDispatchSession, "SimStandIn_LastDispatchSession");
    take(OpenSessionCount, "SimStandIn_OpenSessionCount");
    return all;
  }

  std::vector<std::string> Journal() const {
    std::vector<std::string> lines;
    const int32_t count = JournalSize();
    for (int32_t i = 0; i < count; ++i) {
      char line[1024];
      if (JournalLine(i, line, sizeof line) >= 0) lines.emplace_back(line);
    }
    return lines;
  }
};

/* The folder the build puts the stand-in in beside a test program (bin/simconnect/), with a trailing
 * backslash. */
inline std::string SimConnectStandInFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "simconnect\\";
}
#endif

#endif
