// glyphon-dither-quality [FOLDER]: how closely each dithering method keeps
// three photographs, beside ImageMagick's Floyd - Steinberg (-monochrome,
// and remapped to black and white) and 8 x 8 ordered dither. The eye sees a one-bit picture through
// a blur, so the measure is the root mean square difference (in grey levels) between the photograph
// and its dithered form, both blurred by a Gaussian of 1.5 pixels. The photographs are made by
// ImageMagick (/usr/bin/convert) in FOLDER (a new temporary folder when none is given). Exit status
// 1 when our Floyd - Steinberg does worse than either of ImageMagick's Floyd - Steinberg runs, our
// Atkinson worse than its -monochrome, or our blue noise worse than its 8 x 8 ordered dither.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "bitmap/Dib.h"
#include "bitmap/ImageProc.h"
#include "bitmap/dither/DitherMethod.h"
#include "bitmap/dither/ToneCurve.h"

namespace {

struct Grey {
    int width = 0;
    int height = 0;
    std::vector<float> values;  // 0..255, row by row from the top
};

// Reads a binary PGM (P5, 8 bits) or PBM (P4) file.
std::optional<Grey> readNetpbm(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    size_t at = 0;
    auto token = [&]() -> std::string {
        std::string t;
        while (at < bytes.size()) {
            if (bytes[at] == '#')
                while (at < bytes.size() && bytes[at] != '\n')
                    ++at;
            else if (std::isspace(bytes[at]))
                ++at;
            else
                break;
        }
        while (at < bytes.size() && !std::isspace(bytes[at]))
            t += static_cast<char>(bytes[at++]);
        return t;
    };
    const std::string magic = token();
    if (magic != "P4" && magic != "P5")
        return std::nullopt;
    Grey grey;
    grey.width = std::atoi(token().c_str());
    grey.height = std::atoi(token().c_str());
    if (magic == "P5" && std::atoi(token().c_str()) != 255)
        return std::nullopt;
    ++at;  // the one blank after the header
    const size_t rowBytes =
        magic == "P4" ? (static_cast<size_t>(grey.width) + 7) / 8 : static_cast<size_t>(grey.width);
    if (grey.width <= 0 || grey.height <= 0 ||
        bytes.size() < at + rowBytes * static_cast<size_t>(grey.height))
        return std::nullopt;
    for (int y = 0; y < grey.height; ++y) {
        const uint8_t* row = &bytes[at + rowBytes * static_cast<size_t>(y)];
        for (int x = 0; x < grey.width; ++x)
            grey.values.push_back(magic == "P5"                            ? row[x]
                                  : ((row[x / 8] >> (7 - x % 8)) & 1) != 0 ? 0.0f
                                                                           : 255.0f);
    }
    return grey;
}

// A separable Gaussian blur of sigma 1.5, the edges repeated.
std::vector<float> blurred(const Grey& g) {
    constexpr int kRadius = 5;
    std::vector<float> kernel;
    float sum = 0;
    for (int i = -kRadius; i <= kRadius; ++i) {
        kernel.push_back(std::exp(-(i * i) / (2 * 1.5f * 1.5f)));
        sum += kernel.back();
    }
    for (float& k : kernel)
        k /= sum;
    auto at = [&](const std::vector<float>& v, int x, int y) {
        x = std::clamp(x, 0, g.width - 1);
        y = std::clamp(y, 0, g.height - 1);
        return v[static_cast<size_t>(y) * g.width + x];
    };
    std::vector<float> across(g.values.size()), down(g.values.size());
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            float s = 0;
            for (int i = -kRadius; i <= kRadius; ++i)
                s += kernel[i + kRadius] * at(g.values, x + i, y);
            across[static_cast<size_t>(y) * g.width + x] = s;
        }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            float s = 0;
            for (int i = -kRadius; i <= kRadius; ++i)
                s += kernel[i + kRadius] * at(across, x, y + i);
            down[static_cast<size_t>(y) * g.width + x] = s;
        }
    return down;
}

// The photograph as the eye takes it in: blurred, as coded grey levels
// and as light (both 0..255).
struct Seen {
    std::vector<float> grey;
    std::vector<float> light;
};

Seen seenPhoto(const Grey& photo) {
    Grey light = photo;
    for (float& v : light.values)
        v = bitmap::srgbToLinear(v);
    return {blurred(photo), blurred(light)};
}

double rms(const std::vector<float>& a, const std::vector<float>& b) {
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum / static_cast<double>(a.size()));
}

// The blurred difference against the coded greys and against the light.
std::pair<double, double> blurredErrors(const Seen& photo, const Grey& dithered) {
    const std::vector<float> seen = blurred(dithered);
    return {rms(photo.grey, seen), rms(photo.light, seen)};
}

Grey ours(const Grey& photo, int method, bool linear) {
    bitmap::BitmapInfoHeader h;
    h.biWidth = photo.width;
    h.biHeight = photo.height;
    h.biBitCount = 8;
    bitmap::Dib dib = *bitmap::Dib::create(h);
    bitmap::ImageProc proc;
    proc.makeGrayShadesPalette(dib.palette(), 8);
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x)
            dib.view().row(y)[x] =
                static_cast<uint8_t>(photo.values[static_cast<size_t>(y) * photo.width + x]);
    bitmap::DitherOptions options;
    options.linearLight = linear;
    proc.toMonochrome(dib, method, 128, options);
    Grey result{photo.width, photo.height, {}};
    for (int y = 0; y < photo.height; ++y)
        for (int x = 0; x < photo.width; ++x)
            result.values.push_back(dib.view().row(y)[x] ? 255.0f : 0.0f);
    return result;
}

bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::optional<std::string> ownFolder;
    if (argc > 1) {
        folder = argv[1];
    } else {
        char pattern[] = "/tmp/dither-quality-XXXXXX";
        if (!mkdtemp(pattern))
            return 2;
        folder = pattern;
        ownFolder = folder;
    }
    struct Cleanup {
        const std::optional<std::string>& folder;
        ~Cleanup() {
            if (folder)
                std::filesystem::remove_all(*folder);
        }
    } cleanup{ownFolder};
    const std::string convert = "/usr/bin/convert";
    // Two seeded plasma landscapes and ImageMagick's own photograph of a
    // rose, enlarged.
    const std::vector<std::pair<std::string, std::string>> photos{
        {"plasma3", "-size 480x360 -seed 3 plasma:fractal -blur 0x1"},
        {"plasma17", "-size 480x360 -seed 17 plasma:grey20-grey80 -blur 0x2"},
        {"rose", "rose: -filter Lanczos -resize 600%"},
    };
    // Per method, per photo: the error against the coded greys and against
    // the light.
    std::vector<std::vector<std::pair<double, double>>> rows;
    std::vector<std::string> names;
    for (int m = 0; m < bitmap::kDitherMethodCount; ++m)
        names.emplace_back(bitmap::kDitherMethodKeys[m]);
    for (const int m : {bitmap::kFloydSteinberg, bitmap::kJarvisJudiceNinke, bitmap::kBlueNoise})
        names.push_back(std::string(bitmap::kDitherMethodKeys[m]) + " --linear");
    // ImageMagick's -monochrome picks its own two levels, which on these
    // photographs comes close to a plain threshold; remapping to black and
    // white is its error diffusion proper.
    const std::string blackAndWhite = folder + "/black-and-white.pbm";
    if (!run(convert + " xc:black xc:white +append " + blackAndWhite))
        return 2;
    const std::vector<std::pair<std::string, std::string>> peers{
        {"ImageMagick FS -monochrome", "-dither FloydSteinberg -monochrome"},
        {"ImageMagick FS -remap b/w", "-dither FloydSteinberg -remap " + blackAndWhite},
        {"ImageMagick o8x8", "-ordered-dither o8x8"},
    };
    for (const auto& peer : peers)
        names.push_back(peer.first);
    rows.resize(names.size());

    for (const auto& [name, recipe] : photos) {
        const std::string pgm = folder + "/" + name + ".pgm";
        if (!run(convert + " " + recipe + " -colorspace Gray -depth 8 pgm:" + pgm)) {
            std::fprintf(stderr, "cannot make %s with %s\n", pgm.c_str(), convert.c_str());
            return 2;
        }
        const auto photo = readNetpbm(pgm);
        if (!photo)
            return 2;
        const Seen seen = seenPhoto(*photo);
        size_t row = 0;
        for (int m = 0; m < bitmap::kDitherMethodCount; ++m)
            rows[row++].push_back(blurredErrors(seen, ours(*photo, m, false)));
        for (const int m :
             {bitmap::kFloydSteinberg, bitmap::kJarvisJudiceNinke, bitmap::kBlueNoise})
            rows[row++].push_back(blurredErrors(seen, ours(*photo, m, true)));
        for (const auto& peer : peers) {
            const std::string pbm = folder + "/" + name + "-peer.pbm";
            const auto result = run(convert + " " + pgm + " " + peer.second + " pbm:" + pbm)
                                    ? readNetpbm(pbm)
                                    : std::nullopt;
            rows[row++].push_back(result ? blurredErrors(seen, *result)
                                         : std::pair(double{NAN}, double{NAN}));
        }
    }

    std::vector<double> means;  // against the coded greys
    for (const bool light : {false, true}) {
        std::printf("%s\n", light
                                ? "\nRMS error in light (against the photograph decoded to linear "
                                  "light; what a one-bit display shows)"
                                : "RMS error after a Gaussian blur of 1.5 px, in grey levels "
                                  "(lower is better)");
        std::printf("%-28s %9s %9s %9s %9s\n", "method", "plasma3", "plasma17", "rose", "mean");
        for (size_t i = 0; i < names.size(); ++i) {
            double mean = 0;
            std::vector<double> errors;
            for (const auto& e : rows[i]) {
                errors.push_back(light ? e.second : e.first);
                mean += errors.back() / static_cast<double>(rows[i].size());
            }
            if (!light)
                means.push_back(mean);
            std::printf("%-28s %9.2f %9.2f %9.2f %9.2f\n", names[i].c_str(), errors[0], errors[1],
                        errors[2], mean);
        }
    }
    const double imMonochrome = means[names.size() - 3];
    const double imRemap = means[names.size() - 2];
    const double imO8 = means[names.size() - 1];
    const double fs = means[bitmap::kFloydSteinberg];
    const double atkinson = means[bitmap::kAtkinson];
    const double blueNoise = means[bitmap::kBlueNoise];
    auto verdict = [](double ours, double theirs) { return ours <= theirs ? "no worse" : "WORSE"; };
    std::printf("\nmean error in grey levels, ours against ImageMagick:\n");
    std::printf("  floyd-steinberg %.2f: %s than FS -monochrome (%.2f), %s than FS -remap (%.2f)\n",
                fs, verdict(fs, imMonochrome), imMonochrome, verdict(fs, imRemap), imRemap);
    std::printf("  atkinson %.2f: %s than FS -monochrome (%.2f), %s than FS -remap (%.2f)\n",
                atkinson, verdict(atkinson, imMonochrome), imMonochrome, verdict(atkinson, imRemap),
                imRemap);
    std::printf("  blue-noise %.2f: %s than o8x8 (%.2f)\n", blueNoise, verdict(blueNoise, imO8),
                imO8);
    // Atkinson passes on only six eighths of each error by design, which
    // clips the darkest and lightest greys; it is held to -monochrome only.
    const bool fine =
        fs <= imMonochrome && fs <= imRemap && atkinson <= imMonochrome && blueNoise <= imO8;
    return fine ? 0 : 1;
}
