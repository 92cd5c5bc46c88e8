# The game's data files and its push buttons, read from the headers that name them for the game,
# so the build, the generator and the tests share one list.
#   TARVELLO_DATA_FILES       every file under data/, relative to it (fonts/... included)
#   TARVELLO_GENERATED_FILES  those the generator writes (all but the fonts), relative to data/
#   TARVELLO_BUTTONS          "name x y width height code" for each button
set(data_header ${PROJECT_SOURCE_DIR}/src/game/DataFiles.h)
set(commands_header ${PROJECT_SOURCE_DIR}/src/game/Commands.h)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${data_header} ${commands_header})

file(STRINGS ${data_header} data_lines REGEX "= \"data/[^\"]+\";")
set(TARVELLO_DATA_FILES "")
foreach(line ${data_lines})
  string(REGEX REPLACE ".*\"data/([^\"]+)\".*" "\\1" file "${line}")
  list(APPEND TARVELLO_DATA_FILES ${file})
endforeach()
set(TARVELLO_GENERATED_FILES ${TARVELLO_DATA_FILES})
list(FILTER TARVELLO_GENERATED_FILES EXCLUDE REGEX "^fonts/")

file(STRINGS ${commands_header} button_lines REGEX "ButtonLayout k[A-Za-z]+Button = {")
set(TARVELLO_BUTTONS "")
foreach(line ${button_lines})
  string(REGEX REPLACE
         ".*ButtonLayout k([A-Za-z]+)Button = {[^,]+, ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+), ([0-9]+)}.*"
         "\\1 \\2 \\3 \\4 \\5 \\6" button "${line}")
  list(APPEND TARVELLO_BUTTONS "${button}")
endforeach()

# For the scripts that click the real window: "<name>_button=(x y width height code)" a line.
set(button_script "# The game's push buttons, from src/game/Commands.h (written by the build).\n")
foreach(button ${TARVELLO_BUTTONS})
  string(REPLACE " " ";" fields "${button}")
  list(POP_FRONT fields name)
  string(TOLOWER "${name}" name)
  list(JOIN fields " " fields)
  string(APPEND button_script "${name}_button=(${fields})\n")
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/buttons.sh CONTENT "${button_script}" @ONLY)
