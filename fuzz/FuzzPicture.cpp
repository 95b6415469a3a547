// Feeds arbitrary bytes to the picture loader and cuts every cell of the
// result with a grid taken from the first two bytes. A picture either loads
// or is refused with its own failure; no cell is larger than the picture.
#include "graphics/LoadPicture.h"
#include "graphics/PictureClip.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int rows = data[0] % 16;
    const int cols = data[1] % 16;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    QImage picture;
    try {
        picture = LoadPictureBytes(bytes, QStringLiteral("fuzz.bmp"));
    } catch (const PictureError&) {
        return 0;
    }
    PictureClip clip(rows, cols);
    clip.setPicture(picture);
    for (int i = -1; i <= rows * cols; ++i) {
        const QImage cell = clip.GraphicCell(i);
        if (cell.width() > picture.width() || cell.height() > picture.height())
            __builtin_trap();
    }
    return 0;
}
