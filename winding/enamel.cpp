#include <algorithm>
#include <iterator>

#include "winding/digits.h"
#include "winding/winding.h"

namespace winding {

namespace {

struct Size {
    double nominal;  // copper, mm
    double overall;  // the greatest over the grade 1 enamel, mm
};

// IEC 60317-0-1, grade 1.
constexpr Size gradeOne[] = {
    {0.020, 0.024}, {0.025, 0.031}, {0.032, 0.040}, {0.040, 0.049}, {0.050, 0.060}, {0.063, 0.076},
    {0.071, 0.084}, {0.080, 0.094}, {0.090, 0.105}, {0.100, 0.117}, {0.112, 0.129}, {0.125, 0.144},
    {0.140, 0.160}, {0.160, 0.182}, {0.180, 0.204}, {0.200, 0.226}, {0.224, 0.252}, {0.250, 0.281},
    {0.280, 0.312}, {0.315, 0.349}, {0.355, 0.392}, {0.400, 0.439}, {0.450, 0.491}, {0.500, 0.544},
    {0.560, 0.606}, {0.630, 0.679}, {0.710, 0.762}, {0.800, 0.855}, {0.900, 0.959}, {1.000, 1.062},
    {1.120, 1.184}, {1.250, 1.316}, {1.400, 1.468}, {1.600, 1.670}, {1.800, 1.872}, {2.000, 2.074},
    {2.240, 2.316}, {2.500, 2.578}, {2.800, 2.880}, {3.150, 3.233}, {3.550, 3.635}, {4.000, 4.088},
    {4.500, 4.591}, {5.000, 5.093},
};

double increment(const Size& size) { return size.overall - size.nominal; }

}  // namespace

float overallDiameter(float copper) {
    const double d = copper;
    const Size& first = gradeOne[0];
    const Size& last = gradeOne[std::size(gradeOne) - 1];
    double overall = d + increment(last);  // above the table, the thickest wire's film
    if (d < first.nominal) {
        overall = d * (first.overall / first.nominal);  // below, the film thins with the wire
    } else if (d < last.nominal) {
        const Size* above = std::upper_bound(std::begin(gradeOne), std::end(gradeOne), d,
                                             [](double x, const Size& s) { return x < s.nominal; });
        const Size& below = above[-1];
        const double share = (d - below.nominal) / (above->nominal - below.nominal);
        overall = d + increment(below) + share * (increment(*above) - increment(below));
    }
    return std::max(fourDigits(overall), copper);  // the digits cut from a very thick wire's film
}

}  // namespace winding
