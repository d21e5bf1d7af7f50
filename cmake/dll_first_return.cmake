# first_return(<address> <out>): the first return instruction reached from <address> in ${DLL}, read with
# ${OBJDUMP}, for checking that a stdcall function pops its own arguments ("ret $N", N = 4 x argument count).
# Tail jumps into other functions are followed (a member function called last pops its own arguments too).
function(first_return address out)
  foreach(hop RANGE 4)
    math(EXPR stop "${address} + 0x400" OUTPUT_FORMAT HEXADECIMAL)
    execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn --start-address=${address} --stop-address=${stop}
                            ${DLL}
                    OUTPUT_VARIABLE code)
    string(REPLACE "\n" ";" code_lines "${code}")
    set(next "")
    foreach(line IN LISTS code_lines)
      if(line MATCHES "\t(ret[^\t]*)$")
        string(REGEX REPLACE "[ \t]+" " " instruction "${CMAKE_MATCH_1}")
        string(STRIP "${instruction}" instruction)
        set(${out} "${instruction}" PARENT_SCOPE)
        return()
      elseif(line MATCHES "\tjmp +([0-9a-f]+) <[^+>]+>$")
        set(next "0x${CMAKE_MATCH_1}")
        break()
      endif()
    endforeach()
    if(next STREQUAL "")
      break()
    endif()
    set(address ${next})
  endforeach()
  set(${out} "no return found" PARENT_SCOPE)
endfunction()
