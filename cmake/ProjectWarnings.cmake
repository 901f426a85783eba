# Warnings are errors in our own code; third-party headers come in as system includes.
function(qtp_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror>)
endfunction()

# A GoogleTest executable registered with CTest; every test runs on Qt's offscreen platform and
# finds the source, build and content folders in its environment.
function(qtp_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(env_source ${PROJECT_BINARY_DIR}/test_environment.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/test_environment.cpp.in ${env_source} @ONLY)
  add_executable(${name} ${ARG_SOURCES} ${env_source})
  qtp_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" DISCOVERY_TIMEOUT 60)
endfunction()
