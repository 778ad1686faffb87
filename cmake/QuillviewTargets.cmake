# qv_add_module(NAME SUFFIX SOURCES...): a loadable module (.arx/.dbx/.dll) the host dlopens.
function(qv_add_module name suffix)
  add_library(${name} MODULE ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" SUFFIX "${suffix}")
  # A module resolves its own symbols inside itself, whatever else the host process holds.
  target_link_options(${name} PRIVATE -Wl,-Bsymbolic)
  # clang's sanitizer runtime lives in the executable only, so its modules cannot be checked for undefined names.
  if(NOT (QV_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
    target_link_options(${name} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()

# qv_add_test_dir(NAME DIR LIBS...): one GoogleTest binary from every *.cpp in DIR.
function(qv_add_test_dir name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    QV_SHARED_SAMPLES="${PROJECT_SOURCE_DIR}/../shared/samples"
    QV_PROJECT_SAMPLES="${PROJECT_SOURCE_DIR}/samples"
    QV_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT
    "ACADSIM_HOME=${CMAKE_BINARY_DIR}/home;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endfunction()
