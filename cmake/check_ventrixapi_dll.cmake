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

include(${CMAKE_CURRENT_LIST_DIR}/dll_inspection.cmake)
set(failures "")
read_dll_tables()
foreach(import IN LISTS imports)
  if(import MATCHES "^(hid|setupapi|cfgmgr32)\\.dll$")
    list(APPEND failures "load-time import of ${import}")
  endif()
endforeach()
check_export_names("${expected}")
foreach(twin IN LISTS twins)
  if(DEFINED index_of_${twin} AND NOT arguments_of_${twin} EQUAL 0)
    check_stdcall_return(${twin} ${arguments_of_${twin}})
  endif()
endforeach()

if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "ventrixAPI.dll:\n  ${report}")
endif()
message(STATUS "ventrixAPI.dll: 57 undecorated exports, no load-time HID imports, stdcall twins")
