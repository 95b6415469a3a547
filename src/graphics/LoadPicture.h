#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

// Why a picture could not be loaded.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// The file does not exist (the one failure the numbered sheets report).
class PictureNotFound : public PictureError {
public:
    using PictureError::PictureError;
};
// The file exists but is not a picture the editor can read.
class PictureUnreadable : public PictureError {
public:
    using PictureError::PictureError;
};

// The largest picture the loader will decode, in megabytes of pixel data. A
// file whose header declares a larger picture is refused before anything is
// allocated for it.
constexpr int kPictureAllocationLimitMB = 64;

// Reads the picture file at `path` afresh: Windows bitmaps and every other
// format the toolkit reads, recognised by content, not by name. Throws
// PictureNotFound or PictureUnreadable.
QImage LoadPicture(const QString& path);
// The same decoding of a picture already in memory; `name` only names it in
// the failure. Throws PictureUnreadable.
QImage LoadPictureBytes(const QByteArray& bytes, const QString& name);
// The empty picture: a box given it shows nothing.
inline QImage LoadPicture() { return QImage(); }
