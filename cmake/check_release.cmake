# Inspects the release binaries in an output folder without running them:
#  - ventrixAPI.dll is there and passes check_ventrixapi_dll.cmake;
#  - Trelvik.exe is there and passes check_trelvik_exe.cmake;
#  - every .exe and .dll is a 32-bit Windows image that needs no MinGW runtime DLL beside it.
# Usage: cmake -DOBJDUMP=<i686 objdump> -DOUT=<folder> -P check_release.cmake

cmake_policy(VERSION 3.20)

set(shipped ventrixAPI.dll Trelvik.exe)

set(failures "")
foreach(name ${shipped})
  if(NOT EXISTS ${OUT}/${name})
    list(APPEND failures "${name} is missing")
  endif()
endforeach()

file(GLOB binaries ${OUT}/*.exe ${OUT}/*.dll)
if(NOT binaries)
  list(APPEND failures "no binaries in ${OUT}")
endif()
foreach(binary ${binaries})
  get_filename_component(name ${binary} NAME)
  execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE headers ERROR_VARIABLE errors
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND failures "${name}: objdump failed: ${errors}")
    continue()
  endif()
  if(NOT headers MATCHES "file format pei-i386")
    list(APPEND failures "${name} is not a 32-bit Windows image")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  foreach(import ${imports})
    string(TOLOWER "${import}" import)
    if(import MATCHES "(libgcc|libstdc\\+\\+|libwinpthread)[^ ]*\\.dll$")
      string(REPLACE "dll name: " "" import "${import}")
      list(APPEND failures "${name} needs the MinGW runtime ${import}")
    endif()
  endforeach()
endforeach()

if(EXISTS ${OUT}/ventrixAPI.dll)
  execute_process(COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${OBJDUMP} -DDLL=${OUT}/ventrixAPI.dll
                          -P ${CMAKE_CURRENT_LIST_DIR}/check_ventrixapi_dll.cmake
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND failures "ventrixAPI.dll failed its checks (see above)")
  endif()
endif()

if(EXISTS ${OUT}/Trelvik.exe)
  execute_process(COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${OBJDUMP} -DEXE=${OUT}/Trelvik.exe
                          -P ${CMAKE_CURRENT_LIST_DIR}/check_trelvik_exe.cmake
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    list(APPEND failures "Trelvik.exe failed its checks (see above)")
  endif()
endif()

if(failures)
  string(REPLACE ";" "\n  " report "${failures}")
  message(FATAL_ERROR "release in ${OUT}:\n  ${report}")
endif()
set(names "")
foreach(binary ${binaries})
  get_filename_component(name ${binary} NAME)
  list(APPEND names ${name})
endforeach()
string(REPLACE ";" ", " names "${names}")
message(STATUS "release in ${OUT}: ${names}: 32-bit, no MinGW runtime DLLs needed")
