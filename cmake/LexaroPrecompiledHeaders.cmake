# Precompiled Qt headers, for the builds of scripts/test, where compile time counts. Parsing
# Qt's headers is most of the time a file of ours takes to compile, so each kind of target
# shares one precompiled set: the Core-only libraries, the widget libraries and the tests.
# They change nothing but the speed: every file still includes what it uses, and clang-tidy
# and the fuzz build, which compile without them, check that.
option(LEXARO_PRECOMPILE_HEADERS "Share precompiled Qt headers between targets" OFF)

set(LEXARO_PCH_core <QByteArray> <QFile> <QHash> <QList> <QObject> <QString> <QStringList>)
set(LEXARO_PCH_widgets ${LEXARO_PCH_core} <QApplication> <QComboBox> <QKeyEvent> <QLabel>
    <QLineEdit> <QPainter> <QPlainTextEdit> <QWidget>)
set(LEXARO_PCH_tests ${LEXARO_PCH_widgets} <QProcess> <QSignalSpy> <QStandardPaths>
    <QTemporaryDir> <QTest> <QTimer>)

# lexaro_precompiled_headers(<core|widgets|tests> <targets...>)
# The first call of a kind builds that kind's set in a target of its own, linked like the
# targets that use it so that the compiler accepts it for them.
function(lexaro_precompiled_headers kind)
  if(NOT LEXARO_PRECOMPILE_HEADERS)
    return()
  endif()
  set(owner lexaro_pch_${kind})
  if(NOT TARGET ${owner})
    set(source ${CMAKE_BINARY_DIR}/generated/${owner}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled ${kind} headers are built here.\n")
    add_library(${owner} OBJECT ${source})
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
    set(qt Qt6::Core)
    if(kind STREQUAL "widgets")
      set(qt Qt6::Widgets)
    elseif(kind STREQUAL "tests")
      set(qt Qt6::Widgets Qt6::Svg Qt6::Test)
    endif()
    target_link_libraries(${owner} PRIVATE ${qt} lexaro_options)
    target_precompile_headers(${owner} PRIVATE ${LEXARO_PCH_${kind}})
  endif()
  foreach(target ${ARGN})
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endforeach()
endfunction()

# clang-tidy reads the compile commands from tidy/ in the build folder: the same commands
# without the precompiled headers.
if(LEXARO_PRECOMPILE_HEADERS)
  add_custom_target(lexaro_tidy_commands ALL
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_BINARY_DIR}/compile_commands.json
            -DOUT=${CMAKE_BINARY_DIR}/tidy/compile_commands.json
            -P ${CMAKE_CURRENT_LIST_DIR}/LexaroTidyCommands.cmake
    VERBATIM)
endif()
