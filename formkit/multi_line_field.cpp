#include "formkit/multi_line_field.h"

#include <QMimeData>

namespace formkit {

bool MultiLineField::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

// Called for a paste, a drop and the middle-button selection paste alike.
void MultiLineField::insertFromMimeData(const QMimeData* source) {
    if (isReadOnly() || !canInsertFromMimeData(source)) return;
    insertPlainText(source->text());
    ensureCursorVisible();
}

}  // namespace formkit
