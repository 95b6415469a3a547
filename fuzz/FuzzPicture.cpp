// Feeds arbitrary bytes to the picture loader and cuts every cell of the result with a grid taken from the first two
// bytes: a picture loads or is refused with its own failure, and no cell is larger than the picture.
#include "graphics/LoadPicture.h"
#include "graphics/PictureClip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    PictureClip clip(data[0] % 16, data[1] % 16);
    try {
        clip.setPicture(LoadPictureBytes(
            QByteArray::fromRawData(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)), "fuzz"));
    } catch (const PictureError&) {
        return 0;
    }
    for (int i = -1; i <= clip.Rows() * clip.Cols(); ++i) {
        const QImage cell = clip.GraphicCell(i);
        if (cell.width() > clip.picture().width() || cell.height() > clip.picture().height())
            __builtin_trap();
    }
    return 0;
}
