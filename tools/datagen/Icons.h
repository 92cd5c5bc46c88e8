#ifndef TARVELLO_DATAGEN_ICONS_H
#define TARVELLO_DATAGEN_ICONS_H

#include <string>

#include "Canvas.h"

// The program's icon for desktop menus: the board in miniature with a piece in every yard.
namespace Icons {

Canvas Icon(int size);  // square, transparent around the board

// Writes the icon at every size desktops look for, as <folder>/hicolor/<N>x<N>/apps/tarvello.png.
void WriteIconTheme(const std::string& folder);

}  // namespace Icons

#endif
