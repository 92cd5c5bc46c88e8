# Build for the browser with Debian's Emscripten (emcc), on top of Emscripten's own platform
# file. Libraries built for the page are found under the prefixes in CMAKE_FIND_ROOT_PATH;
# pkg-config is the prefix's own (PKG_CONFIG_EXECUTABLE). Programs run under Node.
set(TARVELLO_EMSCRIPTEN_ROOT /usr/share/emscripten)
# Debian's Node 20 loads a program's .wasm only without its built-in fetch (NODE_PATH naming
# /usr/share/nodejs, as the build scripts export it, gives Emscripten's tools their modules).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/node --no-experimental-fetch)
include(${TARVELLO_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The game reports its errors as C++ exceptions, caught at its entry point.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
