# Runs the golden-results tool with ARGS and compares its output with
# EXPECTED; a difference fails with a unified diff. With the environment
# variable GOLDEN_UPDATE=1 the expected file is written instead.
string(REPLACE "<fixtures>" "${FIXTURES}" _expanded "${ARGS}")
separate_arguments(_args UNIX_COMMAND "${_expanded}")
execute_process(COMMAND ${TOOL} ${_args}
  OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "golden tool failed (${_rc}): ${_err}")
endif()
get_filename_component(_dir "${ACTUAL}" DIRECTORY)
file(MAKE_DIRECTORY "${_dir}")
file(WRITE "${ACTUAL}" "${_out}")
if("$ENV{GOLDEN_UPDATE}" STREQUAL "1")
  file(WRITE "${EXPECTED}" "${_out}")
  return()
endif()
if(NOT EXISTS "${EXPECTED}")
  message(FATAL_ERROR "no expected output ${EXPECTED}; output is in ${ACTUAL}")
endif()
file(READ "${EXPECTED}" _expected)
if(NOT _out STREQUAL _expected)
  # The diff goes to the output as it is (a message would rewrap its lines).
  execute_process(COMMAND diff -u "${EXPECTED}" "${ACTUAL}")
  message(FATAL_ERROR "output differs from ${EXPECTED} (diff above; "
                      "GOLDEN_UPDATE=1 rewrites the expected file)")
endif()
