// The pictures compiled into the program, and the JPEG decoder that turns
// them into bitmaps.
#pragma once

#include <cstddef>
#include <span>

class TPicture;

// The start window's product picture, a JPEG of 265 × 105 px.
std::span<const unsigned char> StartPicture();
// The About box's logo, a JPEG of 265 × 105 px.
std::span<const unsigned char> AboutPicture();

// Decodes a JPEG image held in memory into the picture. A picture that is
// not a readable JPEG (or is absurdly large) leaves the picture empty and
// gives false; nothing is printed and the program goes on.
bool LoadJpeg(std::span<const unsigned char> data, TPicture& picture);
