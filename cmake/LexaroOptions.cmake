# One interface target carries the warning flags and Qt's strictness defines;
# every target of ours links it.
add_library(lexaro_options INTERFACE)
target_compile_options(lexaro_options INTERFACE -Wall -Wextra -Wpedantic)
if(LEXARO_WARNINGS_AS_ERRORS)
  target_compile_options(lexaro_options INTERFACE -Werror)
endif()
target_compile_definitions(lexaro_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  LEXARO_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  LEXARO_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  LEXARO_VERSION_PATCH=${PROJECT_VERSION_PATCH})
if(LEXARO_SANITIZE)
  target_compile_options(lexaro_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lexaro_options INTERFACE -fsanitize=address,undefined)
endif()
if(LEXARO_BUILD_FUZZERS)
  # Every library the fuzz targets link is instrumented for coverage and checked by ASan and
  # UBSan; a finding stops the run.
  target_compile_options(lexaro_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(lexaro_options INTERFACE -fsanitize=address,undefined)
endif()
