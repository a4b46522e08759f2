#include "tests/carvello/png/TestData.h"

#include <filesystem>
#include <string>

#include "support/TestSupport.h"

namespace pngwrite_test {

using testing_support::quote;

std::vector<uint8_t> randomBytes(size_t count, uint32_t seed) {
    std::vector<uint8_t> bytes(count);
    uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return bytes;
}

std::vector<uint8_t> textBytes(size_t count) {
    static const char* const kWords[] = {"the ", "phone ", "shows ", "a ",    "picture ",
                                         "of ",  "one ",   "bit ",   "per ",  "pixel, ",
                                         "and ", "WAP ",   "pages ", "link ", "tiles. "};
    std::vector<uint8_t> bytes;
    uint32_t x = 12345;
    while (bytes.size() < count) {
        x = x * 1103515245u + 12345u;
        const std::string word = kWords[(x >> 16) % 15];
        bytes.insert(bytes.end(), word.begin(), word.end());
    }
    bytes.resize(count);
    return bytes;
}

std::vector<uint8_t> pictureBytes(size_t count) {
    std::vector<uint8_t> bytes(count);
    uint32_t x = 7;
    for (size_t i = 0; i < count; ++i) {
        x = x * 1664525u + 1013904223u;
        const size_t column = i % 301, row = i / 301;
        bytes[i] =
            static_cast<uint8_t>(column / 3 + row / 2 + ((x >> 28) == 0 ? (x >> 20) & 7 : 0));
    }
    return bytes;
}

bool havePythonZlib() {
    return testing_support::runCommand("python3 -c 'import zlib'").exitCode == 0;
}

std::vector<Inflated> inflateWithPythonZlib(const std::vector<std::vector<uint8_t>>& streams) {
    testing_support::TempDir dir;
    for (size_t i = 0; i < streams.size(); ++i)
        testing_support::writeFile(dir.file(std::to_string(i) + ".z"), streams[i]);
    const std::string script =
        "import sys, zlib\n"
        "folder, count = sys.argv[1], int(sys.argv[2])\n"
        "for i in range(count):\n"
        "    data = open(f'{folder}/{i}.z', 'rb').read()\n"
        "    try:\n"
        "        d = zlib.decompressobj()\n"
        "        out = d.decompress(data) + d.flush()\n"
        "        if not d.eof or d.unused_data: raise ValueError('trailing or truncated')\n"
        "        open(f'{folder}/{i}.out', 'wb').write(out)\n"
        "    except Exception as e:\n"
        "        print(i, e)\n";
    testing_support::writeFile(dir.file("inflate.py"), script);
    testing_support::runCommand("python3 " + quote(dir.file("inflate.py")) + " " +
                                quote(dir.path()) + " " + std::to_string(streams.size()));
    std::vector<Inflated> results(streams.size());
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string out = dir.file(std::to_string(i) + ".out");
        if (std::filesystem::exists(out)) {
            results[i].ok = true;
            results[i].data = testing_support::readFile(out);
        }
    }
    return results;
}

}  // namespace pngwrite_test
