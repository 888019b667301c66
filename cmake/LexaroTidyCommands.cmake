# cmake -DIN=<compile_commands.json> -DOUT=<copy> -P LexaroTidyCommands.cmake
# Writes the compile commands without the precompiled headers, for clang-tidy: it cannot read
# GCC's, and it should parse every file as written.
file(READ "${IN}" commands)
string(REGEX REPLACE " -Winvalid-pch -include [^ ]*/cmake_pch\\.hxx" "" commands "${commands}")
file(WRITE "${OUT}" "${commands}")
