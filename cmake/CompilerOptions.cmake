# One interface target carries the settings every target of the project shares.
add_library(razzlewick_options INTERFACE)
target_compile_features(razzlewick_options INTERFACE cxx_std_20)
target_compile_options(razzlewick_options INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
  -Wsuggest-override -Wimplicit-fallthrough)
if(RAZZLEWICK_WERROR)
  target_compile_options(razzlewick_options INTERFACE -Werror)
endif()
if(RAZZLEWICK_SANITIZE)
  target_compile_options(razzlewick_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(razzlewick_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
# Headers are included by folder: #include "data/Archive.h".
target_include_directories(razzlewick_options INTERFACE ${PROJECT_SOURCE_DIR})
