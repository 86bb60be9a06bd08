# The -posix MinGW compilers: GoogleTest needs std::mutex, which the -win32
# thread model lacks.
set(CMAKE_C_COMPILER ${KEYLOOM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEYLOOM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KEYLOOM_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KEYLOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every program runs with no DLL beside it: libgcc, libstdc++ and winpthread
# are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
