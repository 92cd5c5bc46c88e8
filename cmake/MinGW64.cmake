# Cross build for 64-bit Windows with Debian's MinGW-w64 compilers; CTest runs the results
# under Wine. Libraries built for Windows are found under the prefixes in CMAKE_FIND_ROOT_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARVELLO_MINGW x86_64-w64-mingw32)
# The POSIX thread model gives std::thread and std::mutex.
set(CMAKE_C_COMPILER ${TARVELLO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVELLO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVELLO_MINGW}-windres)
# Through a script that starts a program again when Wine could not start it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TARVELLO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One .exe that needs only Windows' own DLLs, with no link time stamp in it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
