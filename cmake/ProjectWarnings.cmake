# Warnings are errors in our own code; third-party headers come in as system includes.
function(qtp_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror>)
endfunction()

# A GoogleTest executable registered with CTest; every test runs on Qt's offscreen platform.
function(qtp_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qtp_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTP_SOURCE_DIR=${PROJECT_SOURCE_DIR};QTP_BINARY_DIR=${PROJECT_BINARY_DIR};QTP_CONTENT_DIR=${QTP_CONTENT_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()
