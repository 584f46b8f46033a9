#pragma once

#include <QObject>
#include <QPointer>
#include <QRgb>
#include <array>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "calc/calc.h"

namespace formkit {

// The result of a crossover half; its type tells which half it is.
using CrossoverResult = std::variant<calc::LowPass6db, calc::LowPass12db, calc::BandPass6db,
                                     calc::BandPass12db, calc::HighPass6db, calc::HighPass12db>;

// Each half as the windows show it, in the order of CrossoverResult: named as
// its form names it (the form's caption, then the header of its half), and in
// a colour of its own that those who confuse red and green also tell apart.
struct CrossoverHalf {
    const char* name;
    QRgb colour;
};
inline constexpr CrossoverHalf crossoverHalves[] = {
    {"bas 6db/octavi", qRgb(31, 119, 180)},      {"bas 12db/oct", qRgb(23, 190, 207)},
    {"Srednjetonci 6db/oct", qRgb(44, 160, 44)}, {"Srednjetonci 12db/oct", qRgb(148, 103, 189)},
    {"visokotonci 6db/oct", qRgb(214, 39, 40)},  {"visokotonci 12db/oct", qRgb(255, 127, 14)},
};
static_assert(std::size(crossoverHalves) == std::variant_size_v<CrossoverResult>);

struct ShownResult {
    CrossoverResult result;
    std::vector<float> fields;  // the values it was computed from, in the order read
};

// The result each crossover half shows, from its last successful press until
// its form closes: what the response window draws whenever it is opened.
class ShownResults : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t halves = std::variant_size_v<CrossoverResult>;

    void record(QObject* form, const CrossoverResult& result, std::vector<float> fields);
    const std::optional<ShownResult>& of(std::size_t half) const { return m_shown[half].result; }

    // Calls `changed` with the half after each change, for as long as `receiver` lives. A window
    // loaded as a module subscribes here rather than naming the signal itself: on Windows a
    // module's address of the program's function is a stub of its own, which Qt would not find.
    void subscribe(QObject* receiver, std::function<void(std::size_t half)> changed) const;

signals:
    void changed(std::size_t half);

private:
    struct Entry {
        QPointer<QObject> form;
        std::optional<ShownResult> result;
    };
    void forget(QObject* form);

    std::array<Entry, halves> m_shown;
};

}  // namespace formkit
