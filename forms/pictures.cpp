#include "forms/pictures.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/controls.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

extern const unsigned char StartPictureBytes[];
extern const std::size_t StartPictureBytesSize;

std::span<const unsigned char> StartPicture() {
    return {StartPictureBytes, StartPictureBytesSize};
}

extern const unsigned char AboutPictureBytes[];
extern const std::size_t AboutPictureBytesSize;

std::span<const unsigned char> AboutPicture() {
    return {AboutPictureBytes, AboutPictureBytesSize};
}

namespace {

// Far beyond any picture of the program; a corrupt header claiming more is
// refused before memory is taken for it.
constexpr unsigned long MaxPixels = 16UL * 1024 * 1024;

// libjpeg's default error handler ends the process; this one returns to the
// decoder through the jump buffer instead.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1);
}

// Warnings and traces would go to standard error.
void Silence(j_common_ptr) {}

// Decodes into RGB rows. Only plain C objects live in this function, so the
// jump back from an error skips no destructor; the pixels belong to the caller.
bool Decode(const unsigned char* data, std::size_t size, std::vector<unsigned char>& rgb,
            int& width, int& height) {
    jpeg_decompress_struct info;
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpBack;
    errors.manager.output_message = Silence;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        static_cast<unsigned long>(info.image_width) * info.image_height > MaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    rgb.assign(stride * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

bool LoadJpeg(std::span<const unsigned char> data, TPicture& picture) {
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    if (data.empty() || !Decode(data.data(), data.size(), rgb, width, height)) {
        picture.SetSize(0, 0);
        return false;
    }
    picture.SetPixels(width, height, rgb.data(), width * 3);
    return true;
}
