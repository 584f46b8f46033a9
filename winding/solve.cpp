#include "winding/solve.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace winding {

namespace {

// The coil form's result and a bound each stray from their exact values by at
// most a dozen roundings of 2^-24, or, among the subnormal singles, by a few
// of the smallest; the room covers both.
constexpr double relativeRoom = 0x1p-16;
constexpr double absoluteRoom = 16 * double{std::numeric_limits<float>::denorm_min()};

class Search {
public:
    Search(const Coil& coil, int perLayer) : m_coil(coil), m_perLayer(perLayer) {}

    std::expected<Turns, BadField> run() {
        const std::optional<BadField> overflow = limitToFiniteCoils();
        const auto layer = m_limit > 0 ? firstLayerReaching(1, layerOf(m_limit)) : std::nullopt;
        if (layer) return firstTurnsIn(*layer);
        if (overflow) return std::unexpected(*overflow);
        return std::unexpected(BadField{Problem::Unreachable, Field::Inductance});
    }

private:
    int layerOf(int turns) const { return (turns - 1) / m_perLayer + 1; }
    int lastTurnsOf(int layer) const { return std::min(layer * m_perLayer, m_limit); }

    std::expected<float, Field> tryInductance(int turns) const {
        const auto stack = layers(m_coil, layerOf(turns));
        if (!stack) return std::unexpected(stack.error());
        return inductance(m_coil, turns, *stack);
    }

    // Every step of a coil grows with its turns, so once one overflows every
    // larger one does too: the search stays below the first that overflows.
    std::optional<BadField> limitToFiniteCoils() {
        const auto largest = tryInductance(maxTurns);
        if (largest) {
            m_limit = maxTurns;
            return std::nullopt;
        }
        int finite = 0;
        int overflowing = maxTurns;
        Field field = largest.error();
        while (overflowing - finite > 1) {
            const int middle = finite + (overflowing - finite) / 2;
            const auto L = tryInductance(middle);
            if (L) {
                finite = middle;
            } else {
                overflowing = middle;
                field = L.error();
            }
        }
        m_limit = finite;
        return BadField{Problem::Overflow, field};
    }

    // Below the limit nothing overflows, so value() never throws.
    Layers layersOf(int layer) const { return layers(m_coil, layer).value(); }
    float inductanceOf(int turns, const Layers& stack) const {
        return inductance(m_coil, turns, stack).value();
    }

    // The first layer in first..last whose fullest coil reaches the target.
    // The inductance rises within a layer but may fall where the next begins,
    // so a block of layers is passed over only when a bound above all of its
    // coils falls short. More turns, a wider mean diameter and a lower height
    // each raise a coil's exact inductance: the last layer's turns and
    // diameter with the first layer's height bound every coil of the block.
    // A bound that overflows rules nothing out.
    std::optional<int> firstLayerReaching(int first, int last) const {
        if (first == last) {
            const float L = inductanceOf(lastTurnsOf(last), layersOf(last));
            return L >= m_coil.inductance ? std::optional(last) : std::nullopt;
        }
        const Layers low = layersOf(first);
        const Layers high = layersOf(last);
        const auto bound =
            inductance(m_coil, lastTurnsOf(last), Layers{last, low.height, high.meanDiameter});
        if (bound && *bound * (1 + relativeRoom) + absoluteRoom < m_coil.inductance) {
            return std::nullopt;
        }
        const int middle = first + (last - first) / 2;
        if (const auto layer = firstLayerReaching(first, middle)) return layer;
        return firstLayerReaching(middle + 1, last);
    }

    // Within one layer the inductance only rises with the turns.
    Turns firstTurnsIn(int layer) const {
        const Layers stack = layersOf(layer);
        int below = (layer - 1) * m_perLayer;
        int reaching = lastTurnsOf(layer);
        while (reaching - below > 1) {
            const int middle = below + (reaching - below) / 2;
            if (inductanceOf(middle, stack) >= m_coil.inductance) {
                reaching = middle;
            } else {
                below = middle;
            }
        }
        return Turns{reaching, stack, inductanceOf(reaching, stack)};
    }

    const Coil& m_coil;
    int m_perLayer;
    int m_limit = 0;
};

}  // namespace

std::expected<Turns, BadField> smallestTurns(const Coil& coil, int perLayer) {
    return Search(coil, perLayer).run();
}

}  // namespace winding
