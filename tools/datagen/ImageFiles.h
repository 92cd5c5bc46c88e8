#ifndef TARVELLO_DATAGEN_IMAGE_FILES_H
#define TARVELLO_DATAGEN_IMAGE_FILES_H

#include <string>

class Canvas;

// Picture writers; both raise std::runtime_error when the file cannot be written.
namespace ImageFiles {

void WritePng(const Canvas& canvas, const std::string& path);  // RGBA, 8 bits a channel
void WriteJpeg(const Canvas& canvas, const std::string& path, int quality);

}  // namespace ImageFiles

#endif
