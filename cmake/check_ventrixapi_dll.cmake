# Inspects the release ventrixAPI.dll without running it:
#  - the export table holds exactly the expected names, none decorated with '@';
#  - hid.dll, setupapi.dll and cfgmgr32.dll are not load-time imports (they are loaded by name at run time);
#  - every stdcall twin pops its own arguments: its first return is "ret $N" with N = 4 x argument count.
# Usage: cmake -DOBJDUMP=<objdump> -DDLL=<ventrixAPI.dll> -P check_ventrixapi_dll.cmake

cmake_policy(VERSION 3.20)

# name:argument count. Every plain export but the last three has a "_std" twin.
set(plain_exports
    ventrix_OpenControllers:0 ventrix_CloseControllers:0 ventrix_GetDeviceList:3 ventrix_GetTotalControllers:1
    ventrix_GetAPIVersion:2 ventrix_Bind:2 ventrix_UnBind:1 ventrix_GetBoardInfo:2 ventrix_SetBoardOptions:2
    ventrix_LED_Enable:2 ventrix_LED_Test:2 ventrix_LED_Set:3 ventrix_7Segment_Enable:2 ventrix_7Segment_Display:3
    ventrix_Dataline_Enable:2 ventrix_Dataline_Set:3 ventrix_Servo_Enable:2 ventrix_Servo_Set_Position:4
    ventrix_Servo_Set_Center:4 ventrix_Brightness_Enable:2 ventrix_Brightness_Set:2 ventrix_Analog_Enable:2
    ventrix_Analog_GetValue:3 ventrix_Switch_Enable_Callback:3 ventrix_Switch_Enable_Poll:2
    ventrix_Switch_Get_Item:3 ventrix_Switch_Get_State:3)
set(plain_without_twin ventrix_Analog_GetValues ventrix_Enable_DeviceChange_Notification_Callback
    ventrix_EnableLogging)

set(expected ${plain_without_twin})
set(twin_argument_counts "")
foreach(entry ${plain_exports})
  string(REPLACE ":" ";" parts ${entry})
  list(GET parts 0 name)
  list(GET parts 1 arguments)
  list(APPEND expected ${name} ${name}_std)
  set(arguments_of_${name}_std ${arguments})
  list(APPEND twins ${name}_std)
endforeach()
list(SORT expected)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()
string(REPLACE "\n" ";" lines "${headers}")

# The name pointer table and the export address table, both by the same index.
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
  elseif(line MATCHES "DLL Name: (.+)$")
    string(TOLOWER "${CMAKE_MATCH_1}" import)
    if(import MATCHES "^(hid|setupapi|cfgmgr32)\\.dll$")
      list(APPEND failures "load-time import of ${import}")
    endif()
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
  list(LENGTH found count)
  string(REPLACE ";" ", " missing "${missing}")
  string(REPLACE ";" ", " extra "${extra}")
  list(APPEND failures "${count} exports instead of 57; missing: [${missing}]; unexpected: [${extra}]")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/dll_first_return.cmake)

foreach(twin IN LISTS twins)
  if(NOT DEFINED index_of_${twin} OR arguments_of_${twin} EQUAL 0)
    continue()
  endif()
  set(rva ${rva_at_${index_of_${twin}}})
  math(EXPR start "0x${image_base} + 0x${rva}" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR pops "4 * ${arguments_of_${twin}}" OUTPUT_FORMAT HEXADECIMAL)
  first_return(${start} instruction)
  if(NOT instruction STREQUAL "ret $${pops}")
    list(APPEND failures "${twin} returns with '${instruction}', not 'ret $${pops}'")
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "ventrixAPI.dll:\n  ${report}")
endif()
message(STATUS "ventrixAPI.dll: 57 undecorated exports, no load-time HID imports, stdcall twins")
