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
    Search(const Coil& coil, const Lay& lay) : m_coil(coil), m_lay(lay) {}

    std::expected<Turns, BadField> run() {
        const std::optional<BadField> overflow = limitToFiniteCoils();
        if (const auto turns = m_limit > 0 ? firstReaching(1, m_limit) : std::nullopt) {
            const Shape found = shapeOf(*turns);
            return Turns{found, inductanceOf(found)};
        }
        if (overflow) return std::unexpected(*overflow);
        return std::unexpected(BadField{Problem::Unreachable, Field::Inductance});
    }

private:
    std::expected<float, Field> tryInductance(int turns) const {
        const auto coil = shape(m_coil, m_lay, turns);
        if (!coil) return std::unexpected(coil.error());
        return inductance(m_coil, m_lay, *coil);
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
    Shape shapeOf(int turns) const { return shape(m_coil, m_lay, turns).value(); }
    float inductanceOf(const Shape& coil) const { return inductance(m_coil, m_lay, coil).value(); }

    // The first number of turns in first..last whose coil reaches the target.
    // The inductance rises within a layer but may fall where the next begins,
    // and within the first layer, whose length grows with its turns in steps
    // of the caption's hundredths, it may fall too; so a block of turns is
    // passed over only when a bound above all of its coils falls short. More
    // turns, a wider mean diameter, a lower height and a shorter length each
    // raise a coil's exact inductance: the last coil's turns and diameter with
    // the first coil's height and the shorter of the two lengths bound every
    // coil of the block. A bound that overflows rules nothing out.
    std::optional<int> firstReaching(int first, int last) const {
        if (first == last) {
            if (inductanceOf(shapeOf(last)) >= m_coil.inductance) return last;
            return std::nullopt;
        }
        const Shape low = shapeOf(first);
        const Shape high = shapeOf(last);
        const auto bound = inductance(m_coil, m_lay,
                                      Shape{last, high.layers, low.height, high.meanDiameter,
                                            std::min(low.length, high.length)});
        if (bound && *bound * (1 + relativeRoom) + absoluteRoom < m_coil.inductance) {
            return std::nullopt;
        }
        const int middle = first + (last - first) / 2;
        if (const auto turns = firstReaching(first, middle)) return turns;
        return firstReaching(middle + 1, last);
    }

    const Coil& m_coil;
    const Lay& m_lay;
    int m_limit = 0;
};

}  // namespace

std::expected<Turns, BadField> smallestTurns(const Coil& coil, const Lay& lay) {
    return Search(coil, lay).run();
}

}  // namespace winding
