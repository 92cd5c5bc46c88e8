# The game is built in floors: the engine (with the platform functions), the game above it, the
# screens at the top. Every source includes its headers by their folder under src
# ("SDL_Engine/X.h", "game/X.h", ...), so src itself as an include folder would show every floor
# to every other. Instead each floor's library gets a folder of its own in the build tree that
# holds links to its own folders under src and nothing else, and passes it on to whoever links
# the library; a floor therefore sees its own headers and those of the floors it links, below
# it. An include that points upwards ("screens/MainMenu.h" in src/game) fails to compile with
# "No such file or directory". scripts/lint.sh checks the same arrows without a build.

# tarvello_floor_headers(TARGET SCOPE ENTRY...): makes floors/<target>/<entry> in the build tree
# a link to src/<entry> (a folder or a single header) for each entry, and gives the folder to
# TARGET as its include folder with SCOPE (PUBLIC, or INTERFACE for a header-only target).
function(tarvello_floor_headers target scope)
  set(folder ${CMAKE_BINARY_DIR}/floors/${target})
  foreach(entry ${ARGN})
    get_filename_component(parent ${folder}/${entry} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${entry} ${folder}/${entry} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${folder})
endfunction()

# tarvello_floor(TARGET FOLDER... [LINKS TARGET...]): a static library of the sources and headers
# directly under src/<folder> for each FOLDER, showing those folders alone, and linking LINKS
# publicly (the floors below: its headers include theirs). Sources elsewhere are added with
# target_sources, headers elsewhere shown with tarvello_floor_headers.
function(tarvello_floor target)
  cmake_parse_arguments(PARSE_ARGV 1 floor "" "" "LINKS")
  set(sources)
  foreach(folder ${floor_UNPARSED_ARGUMENTS})
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    list(APPEND sources ${found})
  endforeach()
  add_library(${target} STATIC ${sources})
  tarvello_floor_headers(${target} PUBLIC ${floor_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PUBLIC ${floor_LINKS} PRIVATE tarvello_warnings tarvello_sanitizers)
endfunction()
