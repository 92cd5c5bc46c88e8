# Finds the fonts the build copies into data/fonts and the generator draws its lettering with,
# wherever the Debian release keeps them: Debian 12 has Liberation 2 in fonts-liberation2's own
# folder, Debian 13 in fonts-liberation's. For each font NAME it sets TARVELLO_FONT_<NAME> to the
# file and TARVELLO_FONT_<NAME>_PACKAGE to the package that holds it; TARVELLO_FONT_LICENCES lists
# the fonts' licence texts (in packaging/fonts), each once.
# Every build installs its font licences from that list: the Linux install, the Debian package and
# the Windows packages ship the same texts.
# Also usable in script mode (cmake -P), which the build's tests do.
set(TARVELLO_FONT_ROOT /usr/share/fonts/truetype CACHE PATH
    "The folder under which the font packages keep their TrueType files")

set(TARVELLO_FONT_LICENCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging/fonts)
get_filename_component(TARVELLO_FONT_LICENCE_DIR ${TARVELLO_FONT_LICENCE_DIR} ABSOLUTE)
set(TARVELLO_FONT_LICENCES "")

# tarvello_find_font(NAME FILE LICENCE FOLDER PACKAGE [FOLDER PACKAGE]...): the first folder that
# holds FILE wins, so a release's preferred package comes first.
function(tarvello_find_font name file licence)
  set(licence ${TARVELLO_FONT_LICENCE_DIR}/${licence})
  if(NOT EXISTS ${licence})
    message(FATAL_ERROR "The licence text ${licence} of ${file} is missing")
  endif()
  set(licences ${TARVELLO_FONT_LICENCES} ${licence})
  list(REMOVE_DUPLICATES licences)
  set(TARVELLO_FONT_LICENCES ${licences} PARENT_SCOPE)
  set(candidates ${ARGN})
  set(packages "")
  while(candidates)
    list(POP_FRONT candidates folder package)
    list(APPEND packages ${package})
    if(EXISTS ${TARVELLO_FONT_ROOT}/${folder}/${file})
      set(TARVELLO_FONT_${name} ${TARVELLO_FONT_ROOT}/${folder}/${file} PARENT_SCOPE)
      set(TARVELLO_FONT_${name}_PACKAGE ${package} PARENT_SCOPE)
      return()
    endif()
  endwhile()
  list(JOIN packages " or " packages)
  message(FATAL_ERROR "Font ${file} not found under ${TARVELLO_FONT_ROOT}: install the package "
                      "${packages} (scripts/install-deps.sh installs everything the build needs)")
endfunction()

# The font map: name, file, licence text, then the folders and packages that may hold the file.
# The game's two fonts; a narrow bold face keeps the setup screen's help text and name boxes
# inside the window.
tarvello_find_font(JESTER FreeSansBold.ttf FreeFont.txt freefont fonts-freefont-ttf)
tarvello_find_font(NEUROPOL LiberationSans-Regular.ttf Liberation.txt
                   liberation2 fonts-liberation2 liberation fonts-liberation)
# The faces the generator draws its pictures' lettering with.
tarvello_find_font(PICTURE_BOLD DejaVuSans-Bold.ttf DejaVu.txt dejavu fonts-dejavu-core)
tarvello_find_font(PICTURE_REGULAR DejaVuSans.ttf DejaVu.txt dejavu fonts-dejavu-core)
tarvello_find_font(PICTURE_ITALIC FreeSerifItalic.ttf FreeFont.txt freefont fonts-freefont-ttf)
