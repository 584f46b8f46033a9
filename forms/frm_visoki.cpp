// Tweeter: high-pass, C (6 dB) or C and L (12 dB).

#include "formkit/press.h"
#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"cmdIzracunaj12", Button, "Izracunaj", 6240, 4800, 2000, 300, 15, bold975},
    {"cmdIzracunaj6db", Button, "Izracunaj", 1200, 4800, 2000, 300, 14, bold975},
    {"Text5", TextField, "4,5", 6240, 4200, 2000, 360, 13, bold975, Align::Centre},
    {"Text4", TextField, "5000", 6240, 3480, 2000, 360, 12, bold975, Align::Centre},
    {"Text2", TextField, "4", 1200, 4200, 2000, 360, 11, bold975, Align::Centre},
    {"Text1", TextField, "5000", 1200, 3480, 2000, 360, 10, bold975, Align::Centre},
    {"Label14", Label, "", 360, 5280, 3495, 300, 19, bold975, Align::Centre, singleBorder},
    {"Label11", Label, "", 5400, 5280, 3495, 300, 16, bold975, Align::Centre, singleBorder},
    {"Image2", Picture, ":/images/visoki_12db.png", 5520, 480, 3540, 2655, noTab},
    {"Label10", Label, "Z =                                             oma", 5400, 4320, 3495, 300,
     9, bold975, Align::Centre},
    {"Label9", Label, "impedansa zvucnika", 5520, 3960, 3495, 300, 8, bold975, Align::Centre},
    {"Label8", Label, "Fp                                                 Hz", 5520, 3600, 3495,
     300, 7, bold975, Align::Centre},
    {"Label7", Label, "prelomna frekvencija", 5520, 3240, 3495, 300, 6, bold975, Align::Centre},
    {"Image1", Picture, ":/images/visoki_6db.png", 360, 480, 3540, 2655, noTab},
    {"Label6", Label, "12db/oct", 5640, 120, 3495, 300, 5, bold975, Align::Centre},
    {"Label5", Label, "Z =                                          oma", 360, 4320, 3495, 300, 4,
     bold975, Align::Centre},
    {"Label4", Label, "impedansa zvucnika", 480, 3960, 3495, 300, 3, bold975, Align::Centre},
    {"Label3", Label, "Fp                                               Hz", 480, 3600, 3495, 300,
     2, bold975, Align::Centre},
    {"Label2", Label, "prelomna frekvencija", 480, 3240, 3495, 300, 1, bold975, Align::Centre},
    {"Label1", Label, "6db/oct", 480, 120, 3495, 300, 0, bold975, Align::Centre},
};

constexpr FormTable table{{"frmVisoki", "visokotonci", 9375, 6495}, controls};

void attach(QWidget& form, const FormContext& context) {
    wirePress(form, context, "cmdIzracunaj6db",
              {{"Text1", "Fp", "prelomna frekvencija"}, {"Text2", "Z", "impedansa zvucnika"}},
              calc::highPass6db, {"Label14"});
    wirePress(form, context, "cmdIzracunaj12",
              {{"Text4", "Fp", "prelomna frekvencija"}, {"Text5", "Z", "impedansa zvucnika"}},
              calc::highPass12db, {"Label11"});
}

constexpr Tooltip tooltips[] = {
    {"Text1",
     "Prelomna frekvencija Fp, u hercima (Hz): ispod nje filter prvog reda slabi "
     "visokotonac 6 dB po oktavi."},
    {"Text2", "Impedansa zvucnika Z, u omima: nazivna impedansa visokotonca."},
    {"cmdIzracunaj6db",
     "Racuna kondenzator C (uF) filtra prvog reda, 6 dB po oktavi, za Fp i Z "
     "levo."},
    {"Text4",
     "Prelomna frekvencija Fp, u hercima (Hz): ispod nje filter drugog reda slabi "
     "visokotonac 12 dB po oktavi."},
    {"Text5", "Impedansa zvucnika Z, u omima: nazivna impedansa visokotonca."},
    {"cmdIzracunaj12",
     "Racuna kondenzator C (uF) i kalem L (mH) filtra drugog reda, 12 dB po "
     "oktavi, za Fp i Z desno."},
};
}  // namespace

const FormDesign frmVisoki{table, attach, tooltips};

}  // namespace forms
