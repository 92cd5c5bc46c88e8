# On Windows sdl.pc hands every user SDL's start-up code: -Dmain=SDL_main, SDLmain (whose WinMain
# calls SDL_main) and the GUI subsystem flag. Only the game wants it: this takes it out of
# PkgConfig::SDLLIBS, so the core library, the tests and the tools keep their own main, and
# tarvello_sdl_startup carries it to the game alone. Where SDL has no start-up code it is empty.
add_library(tarvello_sdl_startup INTERFACE)
set(startup_pattern "(^|[/-])(l|lib)?(mingw32|SDLmain)(\\.a)?$")

get_target_property(sdl_libraries PkgConfig::SDLLIBS INTERFACE_LINK_LIBRARIES)
if(sdl_libraries)
  set(startup_libraries ${sdl_libraries})
  list(FILTER startup_libraries INCLUDE REGEX "${startup_pattern}")
  list(FILTER sdl_libraries EXCLUDE REGEX "${startup_pattern}")
  set_target_properties(PkgConfig::SDLLIBS PROPERTIES INTERFACE_LINK_LIBRARIES "${sdl_libraries}")
  target_link_libraries(tarvello_sdl_startup INTERFACE ${startup_libraries})
  if(startup_libraries)
    # The linker meets the core library, which defines SDL_main, before SDLmain, which calls it.
    target_link_options(tarvello_sdl_startup INTERFACE -Wl,--undefined=SDL_main)
  endif()
endif()

foreach(property INTERFACE_COMPILE_OPTIONS INTERFACE_COMPILE_DEFINITIONS INTERFACE_LINK_OPTIONS)
  get_target_property(values PkgConfig::SDLLIBS ${property})
  if(values)
    list(REMOVE_ITEM values -Dmain=SDL_main main=SDL_main -mwindows)
    set_target_properties(PkgConfig::SDLLIBS PROPERTIES ${property} "${values}")
  endif()
endforeach()
