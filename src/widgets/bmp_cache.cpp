// The process-wide cache of bitmap images, searched by exact file name (see bmp_image.h).
#include "widgets/bmp_image.h"

#include "core/node_list.h"
#include "platform/diagnostic_output.h"

#include <cstring>

namespace {
// Every image ever asked for, the latest first; they live until the process ends.
NodeList images = nullptr;
} // namespace

BmpImage *getBmpImage(const char *fileName, bool load) {
    const char *name = fileName != nullptr ? fileName : "";
    for (NodeCell *cell = images; cell != nullptr; cell = cell->next) {
        BmpImage *image = static_cast<BmpImage *>(cell->item);
        if (std::strcmp(image->fileName.CStr(), name) == 0)
            return image;
    }
    if (!load)
        return nullptr;
    BmpImage *image = new BmpImage;
    ListPushFront(images, image);
    if (!loadBmp(*image, name))
        os::printDiagnostic("Erreur de BMP : %s : %s\n", name, image->error);
    return image;
}
