#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "codec/PictureFormats.h"

// Recognising each format by a file's first bytes (zero-padded to
// kSniffBytes) and the file's length. Each gives nothing when the bytes are
// not the format's signature.
namespace codec::sniff {

std::optional<Sniffed> bmp(std::span<const uint8_t> head, uint64_t fileLength);
std::optional<Sniffed> wbmp(std::span<const uint8_t> head, uint64_t fileLength);
std::optional<Sniffed> jpeg(std::span<const uint8_t> head, uint64_t fileLength);
std::optional<Sniffed> gif(std::span<const uint8_t> head, uint64_t fileLength);
std::optional<Sniffed> png(std::span<const uint8_t> head, uint64_t fileLength);

}  // namespace codec::sniff
