// About: the author's contact.

#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"Text1", TextField,
     "Autor\r\n"
     "tav20@example.org\r\n"
     "Proracun i izrada skretnica\r\n"
     "Namotavanje kalemova po meri\r\n"
     "Popravka zvucnika i pojacala\r\n"
     "Saveti za gradnju zvucnih kutija\r\n",
     240, 600, 4095, 1935, 0, normal975, Align::Centre, multiLine | readOnly,
     systemColour(sys::buttonFace)},
};

constexpr FormTable table{{"frmAutor", "Autor", 4680, 3090}, controls};

constexpr Tooltip tooltips[] = {
    {"Text1", "Kontakt autora i njegove usluge; tekst se samo cita."},
};
}  // namespace

const FormDesign frmAutor{table, nullptr, tooltips};

}  // namespace forms
