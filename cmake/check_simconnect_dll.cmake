# Inspects the i686 SimConnect.dll stand-in without running it: the export table holds exactly the simulator
# calls and the test control, none decorated with '@', and every simulator call is stdcall (pops its own
# arguments: its first return is "ret $N" with N = 4 x argument count).
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<SimConnect.dll> -P check_simconnect_dll.cmake

cmake_policy(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/dll_inspection.cmake)

# name:argument count
set(stdcall_exports
    SimConnect_Open:6 SimConnect_Close:1 SimConnect_CallDispatch:3 SimConnect_MapClientDataNameToID:3
    SimConnect_AddToClientDataDefinition:6 SimConnect_RequestClientData:9 SimConnect_SubscribeToSystemEvent:3
    SimConnect_RequestSystemState:3 SimConnect_MapClientEventToSimEvent:3 SimConnect_TransmitClientEvent:6)
set(control_exports
    SimStandIn_Reset SimStandIn_SetSimulatorRunning SimStandIn_FailCall SimStandIn_SetAircraftLoaded
    SimStandIn_SetClientData SimStandIn_FireSimStart SimStandIn_SendQuit SimStandIn_SendException
    SimStandIn_QueueRecord SimStandIn_JournalSize SimStandIn_JournalLine SimStandIn_ClearJournal
    SimStandIn_DispatchCount SimStandIn_LastDispatchSession SimStandIn_OpenSessionCount)

set(expected ${control_exports})
foreach(entry ${stdcall_exports})
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(APPEND expected ${name})
  list(APPEND stdcall_names ${name})
  set(arguments_of_${name} ${arguments})
endforeach()
list(SORT expected)

set(failures "")
read_dll_tables()
check_export_names("${expected}")
foreach(name IN LISTS stdcall_names)
  if(DEFINED index_of_${name})
    check_stdcall_return(${name} ${arguments_of_${name}})
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "SimConnect.dll stand-in:\n  ${report}")
endif()
message(STATUS "SimConnect.dll stand-in: undecorated exports, stdcall simulator calls")
