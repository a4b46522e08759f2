#pragma once

#include <QString>

#include <optional>
#include <vector>

// Reading and writing the pictures the stand-alone host edits. A picture is
// kept as a device-independent bitmap block (header, colour table, rows), the
// form the control takes through its handle.
namespace dotwerk_host {

enum class FileFormat { Bmp, Wbmp };

struct HostPicture {
    std::vector<unsigned char> dib;
    FileFormat format = FileFormat::Bmp;
};

// A BMP file (any header the control reads) or a WBMP file of type 0; none
// with a message in `error` when the file cannot be read or is malformed.
std::optional<HostPicture> loadPictureFile(const QString& path, QString* error);
// Writes the picture in its format; a WBMP is written from a one-bit block
// whose index 0 is black. A file that exists is replaced only by a complete
// new one.
bool savePictureFile(const QString& path, const HostPicture& picture, QString* error);
// A white one-bit picture.
HostPicture blankPicture(int width, int height);

}  // namespace dotwerk_host
