# Helpers that give every library, program and test of the project the same shape.

# A shared library loaded by name at run time, e.g. VORN32.so in ZQDATA/.
# Only symbols marked for export are visible; internal calls bind inside the
# library, so a same-named symbol of another library never intercepts them.
function(qiv_add_shared_library target output_name)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${output_name}
    SUFFIX ".so"
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${QIV_DATA_DIR})
  target_link_options(${target} PRIVATE -Wl,-Bsymbolic)
  if(NOT QIV_SANITIZE)
    # (sanitizer runtimes are resolved from the program that loads the library)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  target_link_libraries(${target} PRIVATE qiv_options)
endfunction()

# A static library whose objects go into the project's shared libraries.
function(qiv_add_static_library target)
  add_library(${target} STATIC ${ARGN})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE qiv_options)
endfunction()

# A GoogleTest program; each test case becomes a CTest test of its own, so
# every case runs in a fresh process.
#   qiv_add_gtest(name SOURCES a.cpp b.cpp LIBRARIES lib... LABELS label...)
function(qiv_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE qiv_options qiv_sanitizer_defaults ${ARG_LIBRARIES} GTest::gmock GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QIV_TEST_DIR})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES LABELS "${ARG_LABELS}")
endfunction()

# A program of the project (a tool or a test helper), built into dir.
#   qiv_add_program(name DIRECTORY dir SOURCES a.cpp LIBRARIES lib...)
function(qiv_add_program name)
  cmake_parse_arguments(ARG "" "DIRECTORY" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE qiv_options qiv_sanitizer_defaults ${ARG_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_DIRECTORY})
endfunction()

# A test that runs a program in a real window on a virtual X server
# (xvfb-run), its screen 1024x768 unless SCREEN gives another size
# (WIDTHxHEIGHT). xvfb-run -a picks a free display, but two started at once
# may pick the same one, so every such test holds the lock "xvfb". Without
# xvfb-run the test is left out with a warning.
find_program(QIV_XVFB_RUN xvfb-run)
function(qiv_add_xvfb_test name)
  cmake_parse_arguments(ARG "" "LABEL;SCREEN" "COMMAND" ${ARGN})
  if(NOT QIV_XVFB_RUN)
    message(WARNING "xvfb-run not found: the real-window test ${name} is left out (scripts/install-dependencies.sh installs it)")
    return()
  endif()
  if(NOT ARG_SCREEN)
    set(ARG_SCREEN 1024x768)
  endif()
  add_test(NAME ${name} COMMAND ${QIV_XVFB_RUN} -a -s "-screen 0 ${ARG_SCREEN}x24" ${ARG_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 60 RESOURCE_LOCK xvfb)
endfunction()
