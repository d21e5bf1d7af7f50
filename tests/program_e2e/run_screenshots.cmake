# The README's run command with its pictures, on a virtual display of its own: the run must end cleanly
# (its account checks that both tabs show their captions) and write both pictures.
# Arguments: RUN (scripts/run.sh), XVFB_RUN, OUT (a folder for the pictures, emptied first).
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(
  COMMAND "${XVFB_RUN}" -a -s "-screen 0 1280x1024x24" env TRELVIK_RUN_ON_VIRTUAL_DISPLAY=1 "${RUN}" --seconds 0
          --screenshot "${OUT}/main-window.bmp"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the run ended with ${status}:\n${output}\n${errors}")
endif()
foreach(picture main-window.bmp main-window-program-mode.bmp)
  if(NOT EXISTS "${OUT}/${picture}")
    message(FATAL_ERROR "no ${picture} written:\n${output}")
  endif()
  file(SIZE "${OUT}/${picture}" size)
  if(size LESS 100000)
    message(FATAL_ERROR "${picture} holds no window (${size} bytes)")
  endif()
endforeach()
string(FIND "${output}" "screenshot of program mode, both pages" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the account does not name the program-mode picture:\n${output}")
endif()
