# Runs the resource compiler on a file it must refuse (compiled after the
# good file WITH, when given): the compiler must fail, write nothing and
# say EXPECTED on its error output.
#
#   cmake -DCOMPILER=... -DOUTPUT=... -DFILE=... [-DWITH=...] -DEXPECTED=... -P expect_rejected.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${COMPILER} ${OUTPUT} ${WITH} ${FILE}
  RESULT_VARIABLE result
  ERROR_VARIABLE errors)
if(result EQUAL 0)
  message(FATAL_ERROR "the compiler accepted ${FILE}")
endif()
string(FIND "${errors}" "${EXPECTED}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "expected \"${EXPECTED}\", the compiler said: ${errors}")
endif()
if(EXISTS ${OUTPUT})
  message(FATAL_ERROR "the compiler wrote ${OUTPUT}")
endif()
