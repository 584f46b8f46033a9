#pragma once

#include <QTextEdit>

namespace formkit {

// A multi-line text field that takes only plain text. Qt 6.4's own insertion
// reads the first of the data's formats without checking that there is one, so
// an empty clipboard (nothing copied yet, or its owner gone) crashes a paste;
// this field inserts the data's text, or nothing when it holds none.
class MultiLineField : public QTextEdit {
    Q_OBJECT

public:
    using QTextEdit::QTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace formkit
