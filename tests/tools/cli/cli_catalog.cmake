cmake_minimum_required(VERSION 3.25)

# qtr5190mx-cli catalog prints the reviewed listing; misuse and write failures end with an error code.

execute_process(COMMAND ${CLI} catalog OUTPUT_FILE ${WORK}/catalog.out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "catalog exited with ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${WORK}/catalog.out RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "catalog output differs from ${EXPECTED} (see ${WORK}/catalog.out)")
endif()

# Arguments (comma-separated) and the exit code each must give.
set(cases
  "--help=0"
  "=2"
  "catalog,extra=2"
  "-v,2c,catalog=2"
  "10.0.0.1,catalog=2"
  "10.0.0.1=2"
  "10.0.0.1,nosuch=2")
foreach(c IN LISTS cases)
  string(REGEX REPLACE "=.*$" "" args "${c}")
  string(REGEX REPLACE "^.*=" "" want "${c}")
  string(REPLACE "," ";" parts "${args}")
  execute_process(COMMAND ${CLI} ${parts} OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL want)
    message(FATAL_ERROR "qtr5190mx-cli ${parts}: exit ${rc}, expected ${want}")
  endif()
endforeach()

# A listing that cannot be written is a failure, not a silent success.
if(EXISTS /dev/full)
  execute_process(COMMAND ${CLI} catalog OUTPUT_FILE /dev/full ERROR_QUIET RESULT_VARIABLE rc)
  if(rc EQUAL 0)
    message(FATAL_ERROR "catalog reported success writing to /dev/full")
  endif()
endif()
