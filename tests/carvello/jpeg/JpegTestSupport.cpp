#include "tests/carvello/jpeg/JpegTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "support/TestSupport.h"

namespace jpegtest {

Rgb makePicture(int width, int height) {
    Rgb p{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3)};
    uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int grain = static_cast<int>((noise >> 16) & 15) - 8;
            const bool square = ((x / 13) + (y / 11)) % 2 == 0;
            const int r = x * 255 / std::max(1, width - 1);
            const int g = y * 255 / std::max(1, height - 1);
            const int b = square ? 200 : 40;
            uint8_t* px = &p.bytes[(static_cast<size_t>(y) * width + x) * 3];
            px[0] = static_cast<uint8_t>(std::clamp(r + grain, 0, 255));
            px[1] = static_cast<uint8_t>(std::clamp(g + grain, 0, 255));
            px[2] = static_cast<uint8_t>(std::clamp(b + grain, 0, 255));
        }
    }
    return p;
}

void writePpm(const std::string& path, const Rgb& picture) {
    std::string header =
        "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    std::vector<uint8_t> file(header.begin(), header.end());
    file.insert(file.end(), picture.bytes.begin(), picture.bytes.end());
    testing_support::writeFile(path, file);
}

Rgb readPpm(const std::string& path) {
    const auto bytes = testing_support::readFile(path);
    size_t at = 0;
    auto token = [&] {
        std::string t;
        while (at < bytes.size() && std::isspace(bytes[at]))
            ++at;
        while (at < bytes.size() && !std::isspace(bytes[at]))
            t += static_cast<char>(bytes[at++]);
        return t;
    };
    if (token() != "P6")
        throw std::runtime_error("not a PPM file: " + path);
    Rgb p;
    p.width = std::stoi(token());
    p.height = std::stoi(token());
    if (std::stoi(token()) != 255)
        throw std::runtime_error("PPM not 8-bit: " + path);
    ++at;
    const size_t size = static_cast<size_t>(p.width) * p.height * 3;
    if (bytes.size() < at + size)
        throw std::runtime_error("short PPM file: " + path);
    p.bytes.assign(bytes.begin() + static_cast<long>(at),
                   bytes.begin() + static_cast<long>(at + size));
    return p;
}

double psnr(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    if (a.size() != b.size() || a.empty())
        return -1.0;
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double d = static_cast<double>(a[i]) - static_cast<double>(b[i]);
        sum += d * d;
    }
    if (sum == 0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 / (sum / static_cast<double>(a.size())));
}

std::vector<uint8_t> rgbOf(const carvello::RasterImage& image) {
    std::vector<uint8_t> out;
    out.reserve(image.pixelCount() * 3);
    const auto px = image.pixels();
    for (size_t i = 0; i + 3 < px.size(); i += 4) {
        out.push_back(px[i + 2]);
        out.push_back(px[i + 1]);
        out.push_back(px[i]);
    }
    return out;
}

bool run(const std::string& command) {
    const auto result = testing_support::runCommand(command);
    EXPECT_EQ(result.exitCode, 0) << command << "\n" << result.err;
    return result.exitCode == 0;
}

std::vector<uint8_t> cjpegFile(const std::string& options, int width, int height) {
    if (!testing_support::hasTool("cjpeg"))
        return {};
    testing_support::TempDir dir;
    writePpm(dir.file("in.ppm"), makePicture(width, height));
    if (!run("cjpeg " + options + " -outfile " + testing_support::quote(dir.file("out.jpg")) + " " +
             testing_support::quote(dir.file("in.ppm"))))
        return {};
    return testing_support::readFile(dir.file("out.jpg"));
}

std::optional<size_t> findSegment(const std::vector<uint8_t>& file, int code) {
    // Segments follow each other from the SOI marker up to the first scan.
    size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        if (file[at + 1] == code)
            return at;
        if (file[at + 1] == 0xDA)
            break;
        at += 2 + ((file[at + 2] << 8) | file[at + 3]);
    }
    return std::nullopt;
}

void setFrameSize(std::vector<uint8_t>& file, int width, int height) {
    for (const int code : {0xC0, 0xC1, 0xC2, 0xC9, 0xCA}) {
        if (const auto at = findSegment(file, code)) {
            file[*at + 5] = static_cast<uint8_t>(height >> 8);
            file[*at + 6] = static_cast<uint8_t>(height);
            file[*at + 7] = static_cast<uint8_t>(width >> 8);
            file[*at + 8] = static_cast<uint8_t>(width);
            return;
        }
    }
    ADD_FAILURE() << "no frame header";
}

std::vector<uint8_t> exifBody(int orientation, bool bigEndian) {
    std::vector<uint8_t> body = {'E', 'x', 'i', 'f', 0, 0};
    const auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            body.push_back(static_cast<uint8_t>(value >> shift));
        }
    };
    body.push_back(bigEndian ? 'M' : 'I');
    body.push_back(bigEndian ? 'M' : 'I');
    put(42, 2);
    put(8, 4);       // the directory follows the header
    put(2, 2);       // two entries
    put(0x010F, 2);  // make: ASCII, 4 bytes, inline
    put(2, 2);
    put(4, 4);
    body.insert(body.end(), {'C', 'a', 'm', 0});
    put(0x0112, 2);  // orientation: SHORT, one value
    put(3, 2);
    put(1, 4);
    put(static_cast<uint32_t>(orientation), 2);
    put(0, 2);
    put(0, 4);  // no further directory
    return body;
}

std::vector<uint8_t> withFirstSegment(std::vector<uint8_t> file, int code,
                                      const std::vector<uint8_t>& body) {
    if (file.size() > 6 && file[2] == 0xFF && file[3] == 0xE0) {
        const size_t length = 2 + ((file[4] << 8) | file[5]);
        file.erase(file.begin() + 2, file.begin() + 2 + static_cast<long>(length));
    }
    const size_t length = body.size() + 2;
    std::vector<uint8_t> segment = {0xFF, static_cast<uint8_t>(code),
                                    static_cast<uint8_t>(length >> 8),
                                    static_cast<uint8_t>(length)};
    segment.insert(segment.end(), body.begin(), body.end());
    file.insert(file.begin() + 2, segment.begin(), segment.end());
    return file;
}

StreamBuilder& StreamBuilder::bytes(std::initializer_list<int> values) {
    for (int v : values)
        data_.push_back(static_cast<uint8_t>(v));
    return *this;
}

StreamBuilder& StreamBuilder::raw(const std::vector<uint8_t>& values) {
    data_.insert(data_.end(), values.begin(), values.end());
    return *this;
}

StreamBuilder& StreamBuilder::jfif() {
    return segment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
}

StreamBuilder& StreamBuilder::segment(int code, const std::vector<uint8_t>& body) {
    const size_t length = body.size() + 2;
    bytes({0xFF, code, static_cast<int>(length >> 8), static_cast<int>(length & 0xFF)});
    return raw(body);
}

StreamBuilder& StreamBuilder::dqt(int index, int value) {
    std::vector<uint8_t> body{static_cast<uint8_t>(index)};
    body.insert(body.end(), 64, static_cast<uint8_t>(value));
    return segment(0xDB, body);
}

StreamBuilder& StreamBuilder::dht(int tableClass, int index, const std::vector<uint8_t>& counts,
                                  const std::vector<uint8_t>& symbols) {
    std::vector<uint8_t> body{static_cast<uint8_t>((tableClass << 4) | index)};
    std::vector<uint8_t> c = counts;
    c.resize(16, 0);
    body.insert(body.end(), c.begin(), c.end());
    body.insert(body.end(), symbols.begin(), symbols.end());
    return segment(0xC4, body);
}

StreamBuilder& StreamBuilder::sof(int code, int height, int width,
                                  const std::vector<std::vector<int>>& components, int precision) {
    std::vector<uint8_t> body{
        static_cast<uint8_t>(precision), static_cast<uint8_t>(height >> 8),
        static_cast<uint8_t>(height),    static_cast<uint8_t>(width >> 8),
        static_cast<uint8_t>(width),     static_cast<uint8_t>(components.size())};
    for (const auto& c : components)
        for (int v : c)
            body.push_back(static_cast<uint8_t>(v));
    return segment(code, body);
}

StreamBuilder& StreamBuilder::sos(const std::vector<std::vector<int>>& components, int ss, int se,
                                  int approximation) {
    std::vector<uint8_t> body{static_cast<uint8_t>(components.size())};
    for (const auto& c : components)
        for (int v : c)
            body.push_back(static_cast<uint8_t>(v));
    body.push_back(static_cast<uint8_t>(ss));
    body.push_back(static_cast<uint8_t>(se));
    body.push_back(static_cast<uint8_t>(approximation));
    return segment(0xDA, body);
}

StreamBuilder& StreamBuilder::bits(const std::string& bitString) {
    std::string s = bitString;
    while (s.size() % 8 != 0)
        s.push_back('1');
    for (size_t i = 0; i < s.size(); i += 8) {
        const auto byte = static_cast<uint8_t>(std::stoi(s.substr(i, 8), nullptr, 2));
        data_.push_back(byte);
        if (byte == 0xFF)
            data_.push_back(0);
    }
    return *this;
}

StreamBuilder& StreamBuilder::simpleTables() {
    dht(0, 0, {2}, {0, 8});
    return dht(1, 0, {1}, {0});
}

std::vector<uint8_t> flatGreyBlock(int dc) {
    // With quantization 8 the sample is 128 + dc. DC table: sixteen 4-bit
    // codes, code i for size category i; AC table: "0" ends the block.
    std::vector<uint8_t> sizes(16);
    for (int i = 0; i < 16; ++i)
        sizes[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    StreamBuilder b;
    b.soi().jfif().dqt(0, 8).dht(0, 0, {0, 0, 0, 16}, sizes).dht(1, 0, {1}, {0});
    b.sof(0xC0, 8, 8, {{1, 0x11, 0}}).sos({{1, 0x00}});
    const int magnitude = dc < 0 ? -dc : dc;
    int size = 0;
    while ((1 << size) <= magnitude)
        ++size;
    // EXTEND form: negative values are stored as dc + 2^size - 1.
    const int value = dc >= 0 ? dc : dc + (1 << size) - 1;
    std::string code;
    for (int i = 3; i >= 0; --i)
        code.push_back(((size >> i) & 1) ? '1' : '0');
    for (int i = size - 1; i >= 0; --i)
        code.push_back(((value >> i) & 1) ? '1' : '0');
    b.bits(code + "0");
    b.eoi();
    return b.data();
}

}  // namespace jpegtest
