# The program without a display: one line of its own on standard error
# (what the libraries below it say is theirs), exit code 2.
#   cmake -DQIV=<program> -P no_display.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${QIV}
  RESULT_VARIABLE code
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
string(REGEX MATCHALL "(^|\n)qiv: [^\n]*" lines "${err}")
list(LENGTH lines count)
if(NOT code EQUAL 2 OR NOT count EQUAL 1 OR NOT err MATCHES "qiv: no display")
  message(FATAL_ERROR "expected code 2 and one line 'qiv: no display...', got code ${code}, standard error:\n${err}")
endif()
