# Warnings and code-generation options shared by every target of the project.

add_library(qiv_options INTERFACE)
target_compile_options(qiv_options INTERFACE -Wall -Wextra -Werror)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Keeps libraries unloadable: no STB_GNU_UNIQUE symbols from template statics.
  target_compile_options(qiv_options INTERFACE -fno-gnu-unique)
  # g++ 12 reports -Wrestrict falsely on ordinary std::string concatenation
  # at -O3 (GCC bug 105329); the check stays on with clang.
  target_compile_options(qiv_options INTERFACE -Wno-restrict)
endif()

# Which sanitizers the sanitizer build uses ("thread" checks for data races).
set(QIV_SANITIZERS "address,undefined" CACHE STRING "Sanitizers of the QIV_SANITIZE build")
if(QIV_SANITIZE)
  set(QIV_SANITIZER_FLAGS -fsanitize=${QIV_SANITIZERS} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${QIV_SANITIZER_FLAGS})
  add_link_options(${QIV_SANITIZER_FLAGS})
endif()

# Runtime options of the sanitizers, linked into every program and test.
add_library(qiv_sanitizer_defaults INTERFACE)
if(QIV_SANITIZE)
  add_library(qiv_sanitizer_defaults_objects OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizers/sanitizer_defaults.cpp)
  target_compile_definitions(qiv_sanitizer_defaults_objects PRIVATE
    QIV_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_LIST_DIR}/sanitizers/lsan.supp")
  target_sources(qiv_sanitizer_defaults INTERFACE $<TARGET_OBJECTS:qiv_sanitizer_defaults_objects>)
endif()
