# Cross-compiles for Windows x86-64 with Debian's mingw-w64 posix-thread compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LM_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${LM_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every binary we ship or test is self-contained: the language runtime, libgcc and
# winpthread are linked in, so the import table names only Windows system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-undefined")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-undefined")

# Tests run under Wine through a wrapper that owns the build tree's prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
