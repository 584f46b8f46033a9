#include "tests/winding/scan.h"

#include <cmath>

#include "tests/calc/regions.h"

namespace winding::test {

namespace {

// Read back under a decimal comma, the library under its own region: the
// captions must not depend on it.
float shown(float value) {
    const calc::Region& region = calc::test::decimalComma;
    return *calc::readField(calc::numberText(calc::roundTo2(value), region), region);
}

struct Stack {
    float height;
    float meanDiameter;
};

class Definition {
public:
    explicit Definition(const Coil& coil)
        : m_coil(coil), m_perLayer(static_cast<int>(std::min(std::floor(double{coil.length} / coil.wire), 1e9))) {}

    std::optional<float> inductance(int turns) {
        const int layers = (turns + m_perLayer - 1) / m_perLayer;
        if (layers != m_layers) {
            m_layers = layers;
            const float h = static_cast<float>(layers) * m_coil.wire;
            const float d0 = m_coil.former + h;
            m_finite = std::isfinite(d0);
            if (m_finite) m_stack = Stack{shown(h), shown(d0)};
        }
        if (!m_finite) return std::nullopt;
        const auto L =
            calc::coilInductance(static_cast<float>(turns), m_stack.meanDiameter, m_coil.length, m_stack.height);
        if (!L) return std::nullopt;
        return L->L;
    }

private:
    Coil m_coil;
    int m_perLayer;
    int m_layers = 0;
    bool m_finite = false;
    Stack m_stack{};
};

}  // namespace

std::optional<float> inductanceByDefinition(const Coil& coil, int turns) { return Definition(coil).inductance(turns); }

std::expected<int, Problem> scanTurns(const Coil& coil) {
    Definition definition(coil);
    for (int turns = 1; turns <= maxTurns; ++turns) {
        const auto L = definition.inductance(turns);
        if (!L) return std::unexpected(Problem::Overflow);
        if (*L >= coil.inductance) return turns;
    }
    return std::unexpected(Problem::Unreachable);
}

}  // namespace winding::test
