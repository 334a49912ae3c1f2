# One interface target carries the settings every target of the project shares.
add_library(razzlewick_compile_flags INTERFACE)
target_compile_features(razzlewick_compile_flags INTERFACE cxx_std_20)
target_compile_options(razzlewick_compile_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  -Wsuggest-override -Wimplicit-fallthrough)
if(RAZZLEWICK_WERROR)
  target_compile_options(razzlewick_compile_flags INTERFACE -Werror)
endif()
# The test programs' own code (a target with RAZZLEWICK_TEST_CODE set) is compiled without
# optimisation and, in the sanitizer build, without instrumentation: the code under test is
# built as it ships, or instrumented, either way, and compiling the test harness the same way
# doubled the time every fresh test run spends building it while checking nothing it tests.
set(razzlewick_test_code "$<BOOL:$<TARGET_PROPERTY:RAZZLEWICK_TEST_CODE>>")
target_compile_options(razzlewick_compile_flags INTERFACE
  "$<${razzlewick_test_code}:-O0;-U_FORTIFY_SOURCE>")
if(RAZZLEWICK_SANITIZE)
  target_compile_options(razzlewick_compile_flags INTERFACE
    "$<$<NOT:${razzlewick_test_code}>:-fsanitize=address,undefined;-fno-sanitize-recover=all>"
    -fno-omit-frame-pointer)
  target_link_options(razzlewick_compile_flags INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
# Headers are included by folder: #include "data/Archive.h".
target_include_directories(razzlewick_compile_flags INTERFACE ${PROJECT_SOURCE_DIR})

# The Qt targets add this: every conversion between 8-bit text and QString says which
# encoding it means, no URL is made from a string by accident, and no connect narrows.
add_library(razzlewick_qt_flags INTERFACE)
target_compile_definitions(razzlewick_qt_flags INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER)
