# One library per source folder; the sources of a folder are globbed so that
# adding a file needs no edit here.
function(tamrel_folder_library name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB _hdr CONFIGURE_DEPENDS ${dir}/*.h)
  if(_src)
    add_library(${name} STATIC ${_src} ${_hdr})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
  endif()
endfunction()

# One GoogleTest executable per test folder.
function(tamrel_folder_test name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(_src)
    add_executable(${name} ${_src})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
      TAMREL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      TAMREL_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
      TAMREL_FIXTURE_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
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
