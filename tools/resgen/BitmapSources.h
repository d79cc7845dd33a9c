#pragma once

#include "core/BitmapContainer.h"
#include "core/DibImage.h"

#include <QImage>

#include <string>

// The colour that stands for transparent pixels in the stored bitmaps; the
// bottom-left pixel of every picture must have it.
constexpr uint32_t kMaskColor = 0xFF00FF;

// A picture as a bitmap of `bits` per pixel; transparent pixels get the mask
// colour. A picture of more colours than the depth holds, or one that uses
// the mask colour itself, is refused.
bool PictureToDib(const QImage& picture, uint16_t bits, TDibImage& dib, std::string& error);

// The manifest names the container's bitmaps in order, one per line (TAB
// separated, '#' comments): "image BITS WxH FILE" for one picture, or
// "strip BITS WxH FOLDER" for 16 x 16 pictures named "NN-name.png" placed
// at slot NN, eight to a row when the strip is 128 wide. Paths are relative
// to the manifest's folder.
bool BuildContainer(const std::string& manifestPath, TBitmapContainer& container, std::string& error);

// What the manifest promises of bitmap `index`, checked on a container read back.
bool CheckContainer(const std::string& manifestPath, const TBitmapContainer& container, std::string& error);
