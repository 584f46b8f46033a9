#include "formkit/shown_results.h"

namespace formkit {

void ShownResults::record(QObject* form, const CrossoverResult& result, std::vector<float> fields) {
    Entry& entry = m_shown[result.index()];
    entry.form = form;
    connect(form, &QObject::destroyed, this, &ShownResults::forget, Qt::UniqueConnection);
    entry.result = ShownResult{result, std::move(fields)};
    emit changed(result.index());
}

void ShownResults::subscribe(QObject* receiver,
                             std::function<void(std::size_t half)> changed) const {
    connect(this, &ShownResults::changed, receiver, std::move(changed));
}

void ShownResults::forget(QObject* form) {
    for (std::size_t half = 0; half < halves; ++half) {
        Entry& entry = m_shown[half];
        // Where the pointer is already cleared, the form that goes is this one.
        if (entry.result && (!entry.form || entry.form == form)) {
            entry = {};
            emit changed(half);
        }
    }
}

}  // namespace formkit
