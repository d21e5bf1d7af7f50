# Inspects the i686 SimConnect.dll stand-in without running it: the export table holds exactly the simulator
# calls and the test control, none decorated with '@', and every simulator call is stdcall (pops its own
# arguments: its first return is "ret $N" with N = 4 x argument count).
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<SimConnect.dll> -P check_simconnect_dll.cmake

cmake_policy(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/dll_first_return.cmake)

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

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()
string(REPLACE "\n" ";" lines "${headers}")

set(section "")
set(image_base "")
set(names "")
set(failures "")
foreach(line IN LISTS lines)
  if(line MATCHES "^ImageBase[ \t]+([0-9a-fA-F]+)")
    set(image_base ${CMAKE_MATCH_1})
  elseif(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
    set(section names)
  elseif(line MATCHES "^Export Address Table -- ")
    set(section addresses)
  elseif(line MATCHES "^[ \t]*$")
    set(section "")
  elseif(section STREQUAL "names" AND line MATCHES "^[ \t]*\\[ *([0-9]+)\\] (.+)$")
    list(APPEND names "${CMAKE_MATCH_2}")
    set(index_of_${CMAKE_MATCH_2} ${CMAKE_MATCH_1})
  elseif(section STREQUAL "addresses" AND line MATCHES "^[ \t]*\\[ *([0-9]+)\\] \\+base\\[ *[0-9]+\\] ([0-9a-fA-F]+) ")
    set(rva_at_${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
  endif()
endforeach()

foreach(name IN LISTS names)
  if(name MATCHES "@")
    list(APPEND failures "decorated export ${name}")
  endif()
endforeach()
set(found ${names})
list(SORT found)
if(NOT found STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  string(REPLACE ";" ", " missing "${missing}")
  string(REPLACE ";" ", " extra "${extra}")
  list(APPEND failures "missing: [${missing}]; unexpected: [${extra}]")
endif()

foreach(name IN LISTS stdcall_names)
  if(NOT DEFINED index_of_${name})
    continue()
  endif()
  set(rva ${rva_at_${index_of_${name}}})
  math(EXPR start "0x${image_base} + 0x${rva}" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR pops "4 * ${arguments_of_${name}}" OUTPUT_FORMAT HEXADECIMAL)
  first_return(${start} instruction)
  if(NOT instruction STREQUAL "ret $${pops}")
    list(APPEND failures "${name} returns with '${instruction}', not 'ret $${pops}'")
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "SimConnect.dll stand-in:\n  ${report}")
endif()
message(STATUS "SimConnect.dll stand-in: undecorated exports, stdcall simulator calls")
