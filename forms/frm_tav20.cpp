// The start form: three pictures and the call to choose a crossover type.

#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"Label1", Label, "izaberi tip skretnice", 2280, 3840, 4215, 375, 0, bold975, Align::Centre,
     singleBorder, rgb(255, 128, 128)},
    {"Image3", Picture, ":/images/speaker_left.png", 5880, 360, 2520, 2985, noTab},
    {"Image2", Picture, ":/images/portrait.png", 3120, 720, 2175, 2265, noTab},
    {"Image1", Picture, ":/images/speaker_right.png", 240, 360, 2520, 2985, noTab},
};

constexpr FormTable table{
    {"frmTav20", "Tav20", 8625, 5070, systemColour(sys::buttonText)},
    controls,
};
}  // namespace

const FormDesign frmTav20{table};

}  // namespace forms
