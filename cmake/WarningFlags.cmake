# The warnings every target of ours is built with: each links tarvello_warnings PRIVATE, so the
# flags reach its own sources and nobody else's. TARVELLO_WERROR makes them errors.
set(TARVELLO_WARNING_FLAGS
  -Wall
  -Wextra
  -Wshadow)

add_library(tarvello_warnings INTERFACE)
target_compile_options(tarvello_warnings INTERFACE ${TARVELLO_WARNING_FLAGS})
if(TARVELLO_WERROR)
  target_compile_options(tarvello_warnings INTERFACE -Werror)
endif()
