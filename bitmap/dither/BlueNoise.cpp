#include "bitmap/dither/BlueNoise.h"

#include <cmath>
#include <cstddef>

namespace bitmap {
namespace {

// Width of the Gaussian that measures how crowded a place is.
constexpr double kSigma = 1.5;

class EnergyField {
public:
    explicit EnergyField(int side)
        : side_(side),
          mask_(static_cast<size_t>(side - 1)),
          gaussian_(static_cast<size_t>(side) * side),
          energy_(gaussian_.size(), 0.0),
          set_(gaussian_.size(), 0) {
        // The filter on the torus: the distance to the nearest copy.
        for (int dy = 0; dy < side; ++dy) {
            for (int dx = 0; dx < side; ++dx) {
                const int wx = dx <= side / 2 ? dx : side - dx;
                const int wy = dy <= side / 2 ? dy : side - dy;
                gaussian_[static_cast<size_t>(dy * side + dx)] =
                    std::exp(-(wx * wx + wy * wy) / (2 * kSigma * kSigma));
            }
        }
    }

    size_t size() const { return set_.size(); }
    bool isSet(size_t p) const { return set_[p] != 0; }

    void set(size_t p, bool on) {
        set_[p] = on ? 1 : 0;
        const double sign = on ? 1.0 : -1.0;
        const size_t px = p & mask_;
        const size_t py = p / static_cast<size_t>(side_);
        for (size_t y = 0; y < static_cast<size_t>(side_); ++y) {
            const double* g = &gaussian_[((y - py) & mask_) * static_cast<size_t>(side_)];
            double* e = &energy_[y * static_cast<size_t>(side_)];
            for (size_t x = 0; x < static_cast<size_t>(side_); ++x)
                e[x] += sign * g[(x - px) & mask_];
        }
    }

    // The set pixel with the most energy around it (the tightest cluster),
    // or the clear one with the least (the largest void); the first in row
    // order on a tie.
    size_t tightestCluster() const { return extreme(true); }
    size_t largestVoid() const { return extreme(false); }

private:
    size_t extreme(bool ofSet) const {
        size_t best = size();
        for (size_t p = 0; p < size(); ++p) {
            if (isSet(p) != ofSet)
                continue;
            if (best == size() || (ofSet ? energy_[p] > energy_[best] : energy_[p] < energy_[best]))
                best = p;
        }
        return best;
    }

    int side_;
    size_t mask_;
    std::vector<double> gaussian_;
    std::vector<double> energy_;
    std::vector<uint8_t> set_;
};

// A fixed pseudo-random generator (xorshift), so the tile never changes.
class Xorshift {
public:
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

private:
    uint32_t state_ = 0x9E3779B9u;
};

}  // namespace

std::vector<uint16_t> voidAndClusterRanks(int side) {
    EnergyField field(side);
    const size_t n = field.size();

    // A random start with a tenth of the pixels set, then moved apart: the
    // tightest cluster's pixel moves to the largest void until the pixel
    // moved is the one that would move back.
    Xorshift random;
    size_t ones = 0;
    while (ones < n / 10) {
        const size_t p = random.next() % n;
        if (!field.isSet(p)) {
            field.set(p, true);
            ++ones;
        }
    }
    // The loop ends within a few hundred moves; the bound only guarantees it.
    for (size_t move = 0; move < 16 * n; ++move) {
        const size_t cluster = field.tightestCluster();
        field.set(cluster, false);
        const size_t gap = field.largestVoid();
        field.set(gap, true);
        if (gap == cluster)
            break;
    }
    EnergyField start = field;

    std::vector<uint16_t> ranks(n, 0);
    // The start's pixels get the ranks below `ones`, the most crowded the
    // highest: take the tightest cluster away again and again.
    for (size_t rank = ones; rank-- > 0;) {
        const size_t cluster = field.tightestCluster();
        field.set(cluster, false);
        ranks[cluster] = static_cast<uint16_t>(rank);
    }
    // The others fill the largest void, one after another. (Past half the
    // tile this is the same as taking the tightest cluster of the clear
    // pixels: their energy is the total minus that of the set ones.)
    field = std::move(start);
    for (size_t rank = ones; rank < n; ++rank) {
        const size_t gap = field.largestVoid();
        field.set(gap, true);
        ranks[gap] = static_cast<uint16_t>(rank);
    }
    return ranks;
}

}  // namespace bitmap
