#pragma once

#include "core/BitmapContainer.h"
#include "core/DibImage.h"

#include <QImage>

#include <string>

// Indexed bitmaps keep their colour table (Format_Indexed8), others are RGB32.
QImage DibToImage(const TDibImage& dib);

// Loads a Windows bitmap file; a null image and the reason when it is damaged.
QImage LoadBitmapFile(const std::string& file, std::string& error);

// Bitmap `index` of the container. False outside 1..Count (the error stays
// as it was, `bitmap` unchanged) and for a damaged bitmap (with the reason).
bool GetBitmap(const TBitmapContainer& container, int32_t index, QImage& bitmap, std::string& error);
