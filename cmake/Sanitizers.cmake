# The address and undefined-behaviour sanitizers, when TARVELLO_SANITIZE is on, for every target
# of ours (each links tarvello_sanitizers PRIVATE); a static library passes the link flags on to
# the programs that link it.
add_library(tarvello_sanitizers INTERFACE)
if(TARVELLO_SANITIZE)
  target_compile_options(tarvello_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tarvello_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
