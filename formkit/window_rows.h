#pragma once

// The rows a window of our own is built of, in the fonts of the
// forms: bold fields, buttons and results among regular labels.

#include <QStringList>
#include <initializer_list>
#include <string_view>

#include "calc/calc.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace formkit {

struct FieldText {
    const char* name;            // the field's objectName
    const char* symbol;          // "D"
    const char* meaning;         // "precnik tela"
    const char* unit;            // "mm", or empty for a bare number
    std::string_view byDefault;  // written with a decimal comma
    const char* hint = nullptr;  // what else its tooltip tells
};

// "Precnik tela D [30] mm": the field, named for a screen reader "D, precnik
// tela", with its default written by the region; its tooltip gives its
// meaning, its unit and the hint.
QLineEdit* addField(QFormLayout& rows, const FieldText& text, const calc::Region& region);

QPushButton* addButton(QFormLayout& rows, const char* name, const char* caption,
                       const char* tooltip);

// A framed result across the whole row, empty until a press writes it, wide
// enough to show the longest caption given whole; a longer one is cut with an
// ellipsis until the window is widened. Its caption can be selected and
// copied, but Tab passes it by.
// A table of results the keyboard selects by rows and Tab passes on from: no
// editing, no scroll bars, no row numbers.
QTableWidget* newResultTable(const char* name, const QString& spokenName, const QString& tooltip,
                             const QStringList& headers);

QLabel* addResult(QFormLayout& rows, const char* name, const char* spokenName,
                  const char* longestCaption);

// Widens the labels of every part to the widest, so that the fields of all
// parts stand in one column. Called once the labels have the window's font.
void lineUpFields(std::initializer_list<QFormLayout*> parts);

}  // namespace formkit
