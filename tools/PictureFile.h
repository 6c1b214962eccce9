// Saving a window's picture as a bitmap file chosen by the user.
#pragma once

#include <string>

class TPicture;

// Writes the picture to the path whole or not at all; when it cannot be
// written the user is told so and an existing file stays as it was.
void SavePictureFile(TPicture& picture, const std::string& path);
