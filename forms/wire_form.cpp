// Wire gauge (Form1): the wire diameter for a current at a current density.

#include "formkit/press.h"
#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"Command1", Button, "Command1", 1440, 2040, 1935, 615, 2},
    {"Text2", TextField, "2", 1320, 1200, 1695, 495, 1},
    {"Text1", TextField, "5", 1320, 600, 1575, 375, 0},
    {"Label3", Label, "gustina struje A/mm kvadratnom", 3480, 1320, 1695, 495, 5},
    {"Label2", Label, "potrebna struja A", 3120, 480, 2295, 375, 4},
    {"Label1", Label, "Label1", 1320, 3000, 1935, 615, 3},
};

// A window of its own, with no icon.
constexpr FormTable table{{"Form1", "Form1", 7545, 3990, standardColour, false, false}, controls};

void attach(QWidget& form, const FormContext& context) {
    // The two texts are divided directly, so each is read as a double. Only
    // the diameter is shown: the cross-section caption would be replaced at
    // once and never seen.
    wirePress<double>(form, context, "Command1",
                      {{"Text1", nullptr, "potrebna struja"}, {"Text2", nullptr, "gustina struje"}},
                      calc::wireSize, {"Label1"});
}

constexpr Tooltip tooltips[] = {
    {"Text1",
     "Potrebna struja, u amperima (A): struja kroz kalem, na primer 5 A za 100 W na 4 oma."},
    {"Text2",
     "Gustina struje, u amperima po kvadratnom milimetru (A/mm2): 2 do 3 A/mm2 zica "
     "kalema podnosi bez zagrevanja."},
    {"Command1", "Racuna precnik bakarne zice (mm) za tu struju i gustinu struje."},
};
}  // namespace

const FormDesign Form1{table, attach, tooltips};

}  // namespace forms
