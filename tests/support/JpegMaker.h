#pragma once

#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// Encodes test pictures with libjpeg: each pixel's colour comes from `color`
// (0xRRGGBB); grey and CMYK pictures take the channels they need from it.
struct TJpegOptions {
    int Width = 8;
    int Height = 8;
    J_COLOR_SPACE Space = JCS_RGB; // JCS_RGB, JCS_GRAYSCALE or JCS_CMYK
    bool Progressive = false;
    int Quality = 95;
};

template <typename TColor> std::string MakeJpeg(const TJpegOptions& options, TColor color) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(options.Width);
    info.image_height = static_cast<JDIMENSION>(options.Height);
    info.input_components = options.Space == JCS_GRAYSCALE ? 1 : options.Space == JCS_CMYK ? 4 : 3;
    info.in_color_space = options.Space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.Quality, TRUE);
    if (options.Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(options.Width) * info.input_components);
    for (int y = 0; y < options.Height; ++y) {
        for (int x = 0; x < options.Width; ++x) {
            const uint32_t rgb = color(x, y);
            JSAMPLE* at = &row[static_cast<size_t>(x) * info.input_components];
            const JSAMPLE r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
            if (options.Space == JCS_GRAYSCALE) {
                at[0] = r;
            } else if (options.Space == JCS_CMYK) {
                // Inverted CMYK with no black, as programs writing an Adobe
                // marker (libjpeg does for CMYK) store it.
                at[0] = r;
                at[1] = g;
                at[2] = b;
                at[3] = 255;
            } else {
                at[0] = r;
                at[1] = g;
                at[2] = b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

inline std::string MakeJpeg(int width, int height, uint32_t rgb = 0x3366CC) {
    TJpegOptions options;
    options.Width = width;
    options.Height = height;
    return MakeJpeg(options, [rgb](int, int) { return rgb; });
}
