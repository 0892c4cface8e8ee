# Checks the golden comparison itself: an expected file with one number
# changed must fail the comparison, and the failure must show the changed
# row as a readable unified diff (the expected line and the actual line).
file(MAKE_DIRECTORY "${WORK}")
file(READ "${EXPECTED}" _text)
# fEa of the shell table: "883.4" becomes "9883.4".
string(REGEX REPLACE "(\nshell\t1\tfEa = \t)([0-9])" "\\19\\2" _changed "${_text}")
if(_changed STREQUAL _text)
  message(FATAL_ERROR "the shell table's fEa row was not found in ${EXPECTED}")
endif()
file(WRITE "${WORK}/expected.txt" "${_changed}")
# The comparison must compare, whatever the caller's environment asks.
set(ENV{GOLDEN_UPDATE} "")
execute_process(COMMAND ${CMAKE_COMMAND}
    -DTOOL=${TOOL} -DFIXTURES=${FIXTURES} "-DARGS=${ARGS}"
    -DEXPECTED=${WORK}/expected.txt -DACTUAL=${WORK}/actual.txt
    -P ${RUN_GOLDEN}
  OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
if(_rc EQUAL 0)
  message(FATAL_ERROR "a changed number passed the golden comparison")
endif()
string(REGEX MATCH "\n-shell\t1\tfEa = \t9883.4\t  MPa\t-\n" _minus "${_out}")
string(REGEX MATCH "\n\\+shell\t1\tfEa = \t883.4\t  MPa\t-\n" _plus "${_out}")
if(NOT _minus OR NOT _plus)
  message(FATAL_ERROR "the failure shows no readable diff of the changed row:\n${_out}${_err}")
endif()
