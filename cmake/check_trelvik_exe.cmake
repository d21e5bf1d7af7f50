# Checks the release Trelvik.exe without running it: it imports exactly the 23 board-library functions
# it uses from ventrixAPI.dll, by name, and nothing else from that library.
# Usage: cmake -DOBJDUMP=<objdump> -DEXE=<Trelvik.exe> -P check_trelvik_exe.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${EXE}")
endif()

string(REPLACE "\n" ";" lines "${dump}")
set(in_block FALSE)
set(imported "")
foreach(line IN LISTS lines)
  if(line MATCHES "DLL Name: (.*)$")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
    if(dll STREQUAL "ventrixapi.dll")
      set(in_block TRUE)
    else()
      set(in_block FALSE)
    endif()
  elseif(in_block AND line MATCHES "^[ \t]+[0-9a-fA-F]+[ \t]+[0-9]+[ \t]+([A-Za-z_0-9]+)[ \t]*$")
    list(APPEND imported "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(expected
    ventrix_OpenControllers ventrix_CloseControllers ventrix_GetAPIVersion ventrix_GetDeviceList ventrix_Bind
    ventrix_UnBind ventrix_GetBoardInfo ventrix_SetBoardOptions ventrix_LED_Enable ventrix_LED_Test ventrix_LED_Set
    ventrix_7Segment_Enable ventrix_7Segment_Display ventrix_Dataline_Enable ventrix_Dataline_Set
    ventrix_Brightness_Enable ventrix_Brightness_Set ventrix_Analog_Enable ventrix_Analog_GetValue
    ventrix_Switch_Enable_Callback ventrix_Switch_Get_State ventrix_Enable_DeviceChange_Notification_Callback
    ventrix_EnableLogging)
list(SORT expected)
list(SORT imported)
if(NOT imported STREQUAL expected)
  message(FATAL_ERROR "Trelvik.exe imports from ventrixAPI.dll:\n  ${imported}\nexpected:\n  ${expected}")
endif()
list(LENGTH imported count)
message(STATUS "Trelvik.exe imports ${count} functions of ventrixAPI.dll")
