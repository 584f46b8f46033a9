// Woofer: low-pass, L (6 dB) or L and C (12 dB).

#include "formkit/press.h"
#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"cmdIzracunaj12db", Button, "Izracunaj", 5160, 5040, 3255, 375, 14, bold975},
    {"Text5", TextField, "4", 5760, 4440, 2000, 360, 13, bold975, Align::Centre},
    {"Text4", TextField, "500", 5760, 3600, 2000, 360, 12, bold975, Align::Centre},
    {"cmdIzracunaj6db", Button, "Izracunaj", 720, 5040, 3500, 375, 3, bold975},
    {"Text2", TextField, "4", 1440, 4440, 2000, 360, 2, bold975, Align::Centre},
    {"Text1", TextField, "500", 1440, 3600, 2000, 360, 1, bold975, Align::Centre},
    {"Label12", Label, "", 5160, 5640, 3495, 300, 17, bold975, Align::Centre, singleBorder},
    {"Label11", Label, "", 720, 5640, 3495, 300, 16, bold975, Align::Centre, singleBorder},
    {"Label10", Label, "12db/oct", 5400, 120, 2415, 255, 15, bold12, Align::Centre},
    {"Label9", Label, "impedansa zvucnika", 5280, 4080, 2415, 375, 11, bold975, Align::Centre},
    {"Label8", Label, "Z =                                    oma", 5280, 4440, 3255, 375, 10,
     bold975, Align::Centre},
    {"Label7", Label, "Fp =                                    Hz", 5040, 3600, 3375, 375, 9,
     bold975, Align::Centre},
    {"Label6", Label, "prelomna frekvencija", 5280, 3360, 2655, 375, 8, bold975, Align::Centre},
    {"Image2", Picture, ":/images/bas_12db.png", 4920, 480, 3540, 2655, noTab},
    {"Label5", Label, "Z =                                         oma", 720, 4440, 3495, 375, 7,
     bold975, Align::Centre},
    {"Label4", Label, "impedansa zvucvnika", 1320, 4200, 2295, 255, 6, bold975, Align::Centre},
    {"Label3", Label, "Fp =                                      Hz", 600, 3600, 3495, 375, 5,
     bold975, Align::Centre},
    {"Label2", Label, "prelomna frekvencija", 1200, 3360, 2535, 375, 4, bold975, Align::Centre},
    {"Label1", Label, "6db/octavi", 1440, 120, 1815, 255, 0, bold12, Align::Centre},
    {"Image1", Picture, ":/images/bas_6db.png", 600, 480, 3540, 2655, noTab},
};

constexpr FormTable table{{"frmBas", "bas", 9315, 6600}, controls};

void attach(QWidget& form, const FormContext& context) {
    wirePress(form, context, "cmdIzracunaj6db",
              {{"Text1", "Fp", "prelomna frekvencija"}, {"Text2", "Z", "impedansa zvucnika"}},
              calc::lowPass6db, {"Label11"});
    wirePress(form, context, "cmdIzracunaj12db",
              {{"Text4", "Fp", "prelomna frekvencija"}, {"Text5", "Z", "impedansa zvucnika"}},
              calc::lowPass12db, {"Label12"});
}

constexpr Tooltip tooltips[] = {
    {"Text1",
     "Prelomna frekvencija Fp, u hercima (Hz): iznad nje filter prvog reda slabi bas 6 dB "
     "po oktavi."},
    {"Text2", "Impedansa zvucnika Z, u omima: nazivna impedansa basa, obicno 4 ili 8 oma."},
    {"cmdIzracunaj6db", "Racuna kalem L (mH) filtra prvog reda, 6 dB po oktavi, za Fp i Z levo."},
    {"Text4",
     "Prelomna frekvencija Fp, u hercima (Hz): iznad nje filter drugog reda slabi bas "
     "12 dB po oktavi."},
    {"Text5", "Impedansa zvucnika Z, u omima: nazivna impedansa basa, obicno 4 ili 8 oma."},
    {"cmdIzracunaj12db",
     "Racuna kalem L (mH) i kondenzator C (uF) filtra drugog reda, 12 dB po "
     "oktavi, za Fp i Z desno."},
};
}  // namespace

const FormDesign frmBas{table, attach, tooltips};

}  // namespace forms
