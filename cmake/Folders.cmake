# One library per source folder; the sources of a folder are globbed so that
# adding a file needs no edit here.
#
# The direction of the dependencies is a build error to break, twice over:
# - A folder's headers are reached only through an include root of its own,
#   <build>/include/<library>/<folder>, a link to the folder. A library sees
#   the roots of itself and of the libraries it uses, never src/ as a whole,
#   so `#include "files/..."` in src/calc is "No such file or directory".
# - Each folder library is linked whole, with only the libraries it uses, into
#   a small program that is built with everything else (tamrel_layer_check):
#   a call into a library above it, declared by hand past the include roots,
#   is an undefined reference there.
set(TAMREL_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)

# The include root <build>/include/<root>/<folder of dir> -> dir.
function(tamrel_include_root out root dir)
  get_filename_component(_folder ${dir} NAME)
  set(_root ${TAMREL_INCLUDE_ROOTS}/${root})
  file(MAKE_DIRECTORY ${_root})
  file(CREATE_LINK ${dir} ${_root}/${_folder} SYMBOLIC)
  set(${out} ${_root} PARENT_SCOPE)
endfunction()

function(tamrel_folder_library name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${dir}/*.h)
  tamrel_include_root(_root ${name} ${dir})
  if(_src)
    add_library(${name} STATIC ${_src} ${_hdr})
    target_include_directories(${name} PUBLIC ${_root})
    tamrel_layer_check(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${_root})
  endif()
endfunction()

# The program that links every object of a folder library with only what the
# library uses; it is never run.
function(tamrel_layer_check name)
  set(_main ${CMAKE_BINARY_DIR}/layer_check/layer_check_main.cpp)
  if(NOT EXISTS ${_main})
    file(WRITE ${_main} "int main() { return 0; }\n")
  endif()
  add_executable(${name}_layer_check ${_main})
  target_link_libraries(${name}_layer_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
  set_target_properties(${name}_layer_check PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer_check)
endfunction()

# The headers a test folder shares with the tests of the folders above it
# (tests/calc's fake window with the files and window tests, for example):
# an interface library with its own include root, <build>/include/<name>/<folder>.
function(tamrel_test_headers name dir)
  tamrel_include_root(_root ${name} ${dir})
  add_library(${name} INTERFACE)
  target_include_directories(${name} INTERFACE ${_root})
  target_link_libraries(${name} INTERFACE ${ARGN})
endfunction()

# One GoogleTest executable per test folder:
#   tamrel_folder_test(<name> <dir> [DATA] <libraries...>)
# DATA gives the tests the paths of the shipped tables and the fixtures;
# only the tests of the files library and above read files.
function(tamrel_folder_test name dir)
  cmake_parse_arguments(ARG "DATA" "" "" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(_src)
    add_executable(${name} ${_src})
    target_link_libraries(${name} PRIVATE ${ARG_UNPARSED_ARGUMENTS} GTest::gtest GTest::gtest_main)
    if(ARG_DATA)
      target_compile_definitions(${name} PRIVATE
        TAMREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        TAMREL_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
        TAMREL_FIXTURE_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Link a folder library to what it uses, whether or not it has sources yet.
function(tamrel_uses name)
  get_target_property(_type ${name} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()
