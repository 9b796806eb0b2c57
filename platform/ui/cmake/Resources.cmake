# Resources compiled into a program: dialog templates, menus, accelerator
# tables, raw data, icons and bitmaps (the formats are described in
# platform/ui/include/platform/ui/resource.h).
#
#   qiv_add_resources(target [DIRECTORY dir...] [FILES file...])
#
# Every resource file of the directories (a new file is picked up when
# CMake runs again) and every file named is checked by the resource
# compiler, which fails the build with file:line: error: message for a bad
# resource, and written into one generated source of the target that
# registers the resources when the program starts.

function(qiv_add_resources target)
  # The extensions of resource files (the compiler's ResourceKindOfFile),
  # set here so that targets of any directory find their files.
  set(QIV_RESOURCE_EXTENSIONS dlg menu accel data icon bitmap)
  cmake_parse_arguments(ARG "" "" "DIRECTORY;FILES" ${ARGN})
  set(sources)
  foreach(directory ${ARG_DIRECTORY})
    set(patterns)
    foreach(extension ${QIV_RESOURCE_EXTENSIONS})
      list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${directory}/*.${extension})
    endforeach()
    file(GLOB found CONFIGURE_DEPENDS ${patterns})
    list(SORT found)
    list(APPEND sources ${found})
  endforeach()
  foreach(file ${ARG_FILES})
    get_filename_component(absolute ${file} ABSOLUTE)
    list(APPEND sources ${absolute})
  endforeach()
  if(NOT sources)
    message(FATAL_ERROR "qiv_add_resources(${target}): no resource files")
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND qiv_resource_compiler ${output} ${sources}
    DEPENDS qiv_resource_compiler ${sources}
    COMMENT "Compiling the resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()

# The name this function had when it compiled dialog templates only.
function(qiv_add_dialog_templates target)
  qiv_add_resources(${target} ${ARGN})
endfunction()
