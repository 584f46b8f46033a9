#include <gtest/gtest.h>

#include <string>

#include "winding/winding.h"

namespace winding {
namespace {

struct Count {
    const char* name;
    int turns;
    int perLayer;
    int layers;
    int lastLayer;
    std::string caption;
};

void PrintTo(const Count& c, std::ostream* os) { *os << c.name; }

class Counts : public testing::TestWithParam<Count> {};

TEST_P(Counts, SayTurnsAndLayersInSerbian) {
    const Count& c = GetParam();
    Winding w{};
    w.turns = c.turns;
    w.perLayer = c.perLayer;
    w.layers = c.layers;
    w.lastLayer = c.lastLayer;
    EXPECT_EQ(turnsCaption(w), c.caption);
}

// 1, 21, 101: the first form; 2-4, 22-24: the second; 5-20, 11-14 among them: the third.
INSTANTIATE_TEST_SUITE_P(
    PluralForms, Counts,
    testing::Values(Count{"oneTurn", 1, 20, 1, 1, "N = 1 namotaj (1 sloj)"},
                    Count{"twoTurns", 2, 20, 1, 2, "N = 2 namotaja (1 sloj)"},
                    Count{"twentyOneTurns", 21, 30, 1, 21, "N = 21 namotaj (1 sloj)"},
                    Count{"fullSingleLayer", 20, 20, 1, 20, "N = 20 namotaja (1 sloj)"},
                    Count{"fourLayers", 80, 20, 4, 20, "N = 80 namotaja (4 sloja po 20)"},
                    Count{"fiveLayers", 100, 20, 5, 20, "N = 100 namotaja (5 slojeva po 20)"},
                    Count{"elevenLayers", 11, 1, 11, 1, "N = 11 namotaja (11 slojeva po 1)"},
                    Count{"fourteenLayers", 14, 1, 14, 1, "N = 14 namotaja (14 slojeva po 1)"},
                    Count{"twentyOneLayers", 21, 1, 21, 1, "N = 21 namotaj (21 sloj po 1)"},
                    Count{"twentyTwoLayers", 22, 1, 22, 1, "N = 22 namotaja (22 sloja po 1)"},
                    Count{"hundredAndOneLayers", 101, 1, 101, 1, "N = 101 namotaj (101 sloj po 1)"},
                    Count{"hundredAndElevenLayers", 111, 1, 111, 1, "N = 111 namotaja (111 slojeva po 1)"},
                    Count{"hundredAndTwentyFourLayers", 124, 1, 124, 1, "N = 124 namotaja (124 sloja po 1)"},
                    Count{"partialLastLayer", 85, 20, 5, 5, "N = 85 namotaja (5 slojeva po 20, u poslednjem 5)"},
                    Count{"partialSecondLayer", 21, 20, 2, 1, "N = 21 namotaj (2 sloja po 20, u poslednjem 1)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace winding
