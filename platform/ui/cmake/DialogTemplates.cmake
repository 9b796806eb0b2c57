# Dialog templates compiled into a program (the format is described in
# platform/ui/include/platform/ui/dialog_template.h).
#
#   qiv_add_dialog_templates(target [DIRECTORY dir] [FILES a.dlg b.dlg ...])
#
# Every .dlg file of the directory (a new file is picked up when CMake runs
# again) and every file named is checked by the template compiler, which
# fails the build with file:line: error: message for a bad template, and
# written into one generated source of the target that registers the
# templates when the program starts.
function(qiv_add_dialog_templates target)
  cmake_parse_arguments(ARG "" "DIRECTORY" "FILES" ${ARGN})
  set(sources)
  if(ARG_DIRECTORY)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIRECTORY}/*.dlg)
    list(SORT found)
    list(APPEND sources ${found})
  endif()
  foreach(file ${ARG_FILES})
    get_filename_component(absolute ${file} ABSOLUTE)
    list(APPEND sources ${absolute})
  endforeach()
  if(NOT sources)
    message(FATAL_ERROR "qiv_add_dialog_templates(${target}): no template files")
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_dialog_templates.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND qiv_dialog_compiler ${output} ${sources}
    DEPENDS qiv_dialog_compiler ${sources}
    COMMENT "Compiling the dialog templates of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
