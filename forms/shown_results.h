#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <optional>
#include <variant>
#include <vector>

#include "calc/calc.h"

namespace forms {

// The result of a crossover half; its type tells which half it is.
using CrossoverResult = std::variant<calc::LowPass6db, calc::LowPass12db, calc::BandPass6db,
                                     calc::BandPass12db, calc::HighPass6db, calc::HighPass12db>;

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

}  // namespace forms
