# One interface target carries the warning flags and Qt's strictness defines;
# every target of ours links it.
add_library(lexaro_options INTERFACE)
target_compile_options(lexaro_options INTERFACE
  -Wall -Wextra -Wpedantic
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual -Wshadow)
if(LEXARO_WARNINGS_AS_ERRORS)
  target_compile_options(lexaro_options INTERFACE -Werror)
endif()
target_compile_definitions(lexaro_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_STRICT_ITERATORS
  QT_DISABLE_DEPRECATED_UP_TO=0x060400
  QT_USE_QSTRINGBUILDER)
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

# The program's version, from the project version, in one generated header.
configure_file(${CMAKE_CURRENT_LIST_DIR}/lexaro_version.h.in
               ${CMAKE_BINARY_DIR}/generated/lexaro_version.h @ONLY)
target_include_directories(lexaro_options INTERFACE ${CMAKE_BINARY_DIR}/generated)
