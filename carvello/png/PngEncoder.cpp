#include "carvello/png/PngEncoder.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

#include "carvello/core/RasterImage.h"
#include "carvello/png/PngChunkWriter.h"
#include "carvello/png/PngEncodeFilters.h"
#include "carvello/zlib/DeflateEncoder.h"

namespace carvello {
namespace {

constexpr size_t kMaxKeywordBytes = 79;

void storeBigEndian32(uint8_t* to, uint32_t value) {
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

// Sets the flag for the lifetime of the object.
class CompressingFlag {
public:
    explicit CompressingFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~CompressingFlag() { flag_ = false; }
    CompressingFlag(const CompressingFlag&) = delete;
    CompressingFlag& operator=(const CompressingFlag&) = delete;

private:
    bool& flag_;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A new file beside the target that is renamed over it once complete, or
// removed when the object goes away first.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (target.empty() || fs::is_directory(target, ec))
            return;
        fs::path folder = fs::path(target).parent_path();
        if (folder.empty())
            folder = ".";
        std::random_device random;
        for (int attempt = 0; attempt < 16 && !file_; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(random()));
            const fs::path candidate = folder / (".carvello-" + std::string(suffix) + ".png.part");
            // "x": fail rather than reuse a file that exists.
            file_.reset(std::fopen(candidate.c_str(), "wbx"));
            if (file_)
                path_ = candidate.string();
        }
    }
    ~TemporaryFile() {
        file_.reset();
        if (!path_.empty()) {
            std::error_code ec;
            std::filesystem::remove(path_, ec);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    bool write(std::span<const uint8_t> bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) == bytes.size() &&
               std::fflush(file_.get()) == 0;
    }
    // Closes the file and renames it to the target. A file it replaces
    // passes its permissions on; a new one keeps those it was created with.
    bool commit(const std::string& target) {
        if (std::fclose(file_.release()) != 0)
            return false;
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::file_status replaced = fs::status(target, ec);
        if (fs::is_regular_file(replaced)) {
            fs::permissions(path_, replaced.permissions() & fs::perms::all, ec);
            if (ec)
                return false;
        }
        fs::rename(path_, target, ec);
        if (ec)
            return false;
        path_.clear();
        return true;
    }

private:
    FileHandle file_;
    std::string path_;
};

}  // namespace

PngEncoder::PngEncoder()
    : texts_{{"Title", ""},
             {"Author", "Vendra Corp."},
             {"Description", ""},
             {"Copyright", "Copyright (c) 2001 Vendra Corp."},
             {"Software", "WAP Glyphon DLL, based on Carvello Builders Image Library"},
             {"Disclaimer", ""},
             {"Warning", ""},
             {"Source", "WAP Glyphon"},
             {"Comment", ""}} {}

void PngEncoder::refuseWhileCompressing() const {
    if (compressing_)
        throw PngError("Attempt to change parameters during compression");
}

void PngEncoder::setTransparentWhite(bool on) {
    refuseWhileCompressing();
    transparentWhite_ = on;
}

void PngEncoder::setAlpha(bool on) {
    refuseWhileCompressing();
    alpha_ = on;
}

void PngEncoder::setFilterMask(unsigned mask) {
    refuseWhileCompressing();
    filterMask_ = (mask & 0x1F) | kFilterNone;
}

void PngEncoder::setCompressionLevel(int level) {
    refuseWhileCompressing();
    compressionLevel_ = level;
}

void PngEncoder::setTexts(std::vector<TextEntry> texts) {
    refuseWhileCompressing();
    texts_ = std::move(texts);
}

void PngEncoder::writeImageFile(const std::string& path, const RasterImage& image) {
    TemporaryFile file(path);
    if (!file.isOpen())
        throw PngError("Can't open output file");
    const std::vector<uint8_t> bytes = encode(image);
    if (!file.write(bytes))
        throw PngError("Can't write output file");
    if (!file.commit(path))
        throw PngError("Can't open output file");
}

std::vector<uint8_t> PngEncoder::encode(const RasterImage& image) {
    std::vector<uint8_t> file;
    PngChunkWriter writer(file);
    writeImage(writer, image);
    return file;
}

void PngEncoder::writeImage(PngChunkWriter& writer, const RasterImage& image) {
    CompressingFlag flag(compressing_);
    if (image.width() == 0 || image.height() == 0)
        throw PngError("Image Has No Pixels");
    writer.writeSignature();

    std::array<uint8_t, 13> header{};
    storeBigEndian32(&header[0], image.width());
    storeBigEndian32(&header[4], image.height());
    header[8] = 8;                      // bits per sample
    header[9] = alpha_ ? 6 : 2;         // RGB with or without alpha
    writer.writeChunk("IHDR", header);  // compression, filter, interlace 0

    writeTexts(writer);
    if (transparentWhite_ && !alpha_) {
        static constexpr std::array<uint8_t, 6> kWhite{0, 255, 0, 255, 0, 255};
        writer.writeChunk("tRNS", kWhite);
    }
    try {
        writeImageData(writer, image);
    } catch (const PNGDeflateEncoder::PNGDeflateError& e) {
        throw PngError(e.what());
    }
    writer.writeChunk("IEND", {});
}

void PngEncoder::writeTexts(PngChunkWriter& writer) const {
    std::vector<uint8_t> data;
    for (const auto& text : texts_) {
        if (text.value.empty())
            continue;
        if (text.keyword.size() > kMaxKeywordBytes)
            throw PngError("tEXt Keyword Too Long");
        // A keyword separates from its value at the first NUL byte.
        if (text.keyword.empty() || text.keyword.find('\0') != std::string::npos)
            throw PngError("Invalid tEXt Keyword");
        if (text.value.size() > PngChunkWriter::kChunkBufferSize - text.keyword.size() - 1)
            throw PngError("tEXt Value Too Long");
        if (text.value.find('\0') != std::string::npos)
            throw PngError("Invalid tEXt Value");
        data.assign(text.keyword.begin(), text.keyword.end());
        data.push_back(0);
        data.insert(data.end(), text.value.begin(), text.value.end());
        writer.writeChunk("tEXt", data);
    }
}

void PngEncoder::writeImageData(PngChunkWriter& writer, const RasterImage& image) {
    using namespace png_filter;
    const size_t bytesPerPixel = alpha_ ? 4 : 3;
    const size_t rowSize = size_t{image.width()} * bytesPerPixel;
    const uint32_t height = image.height();
    const bool onlyNone = filterMask_ == kFilterNone;

    // Filter type byte followed by the row, for each filter in type order;
    // the None line doubles as the raw row.
    constexpr size_t kFilters = 5;
    std::array<std::vector<uint8_t>, kFilters> lines;
    for (size_t f = 0; f < kFilters; ++f) {
        if (f == kNone || (filterMask_ >> f) & 1) {
            lines[f].assign(rowSize + 1, 0);
            lines[f][0] = static_cast<uint8_t>(f);
        }
    }
    std::vector<uint8_t> previous(onlyNone ? 0 : rowSize, 0);

    PNGDeflateEncoder deflate;
    deflate.setCompressionLevel(compressionLevel_);
    writer.beginChunk("IDAT");
    deflate.begin(writer);
    reportProgress(1, 1, 0);
    for (uint32_t y = 0; y < height; ++y) {
        const auto pixels = image.row(y);
        auto raw = std::span(lines[kNone]).subspan(1);
        for (size_t x = 0, i = 0; i < rowSize; x += 4, i += bytesPerPixel) {
            raw[i] = pixels[x + 2];
            raw[i + 1] = pixels[x + 1];
            raw[i + 2] = pixels[x];
            if (bytesPerPixel == 4)
                raw[i + 3] = pixels[x + 3];
        }
        size_t chosen = kNone;
        if (!onlyNone) {
            size_t bestScore = 0;
            for (size_t f = kSub; f < kFilters; ++f) {
                if (lines[f].empty())
                    continue;
                auto out = std::span(lines[f]).subspan(1);
                filterRow(static_cast<Type>(f), raw, previous, bytesPerPixel, out);
            }
            std::copy(raw.begin(), raw.end(), previous.begin());
            if (rowSize > 4) {
                for (size_t f = kNone; f < kFilters; ++f) {
                    if (lines[f].empty())
                        continue;
                    const size_t score = runScore(std::span(lines[f]).subspan(1));
                    if (score > bestScore) {
                        bestScore = score;
                        chosen = f;
                    }
                }
            }
        }
        deflate.compress(writer, lines[chosen]);
        reportProgress(1, 1, static_cast<unsigned>(uint64_t{y} * 100 / height));
    }
    deflate.finish(writer);
    writer.endChunk();
    reportProgress(1, 1, 100);
}

}  // namespace carvello
