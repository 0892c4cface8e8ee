# Runs the golden-results tool with ARGS, saving the project; reads the saved
# project back with the tool and expects the same output.
separate_arguments(_args UNIX_COMMAND "${ARGS}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${TOOL} ${_args} --save "${WORK}/saved.tmr"
  OUTPUT_VARIABLE _first RESULT_VARIABLE _rc1 ERROR_VARIABLE _err1)
if(NOT _rc1 EQUAL 0)
  message(FATAL_ERROR "first run failed: ${_err1}")
endif()
execute_process(COMMAND ${TOOL} "${WORK}/saved.tmr"
  OUTPUT_VARIABLE _second RESULT_VARIABLE _rc2 ERROR_VARIABLE _err2)
if(NOT _rc2 EQUAL 0)
  message(FATAL_ERROR "reading the saved project failed: ${_err2}")
endif()
# File Open computes the stiffener section after reading, which the first
# run (settings only) does not: the stiffener's caption and local-buckling
# texts may be new after reopening; every result must be the same.
foreach(_v _first _second)
  string(REGEX REPLACE "(stiffclass|stiffprof)\t[^\n]*\n" "" ${_v} "${${_v}}")
endforeach()
if(NOT _first STREQUAL _second)
  file(WRITE "${WORK}/first.txt" "${_first}")
  file(WRITE "${WORK}/second.txt" "${_second}")
  execute_process(COMMAND diff -u "${WORK}/first.txt" "${WORK}/second.txt")
  message(FATAL_ERROR "results differ after save and reopen (diff above)")
endif()
