#include "tools/PictureFile.h"

#include <stdexcept>

#include "platform/base.h"
#include "platform/controls.h"
#include "platform/safefile.h"

void SavePictureFile(TPicture& picture, const std::string& path) {
    try {
        picture.SaveToFile(path);
    } catch (const std::runtime_error&) {
        ShowMessage(FileWriteFailedMessage);
    }
}
