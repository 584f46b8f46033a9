// Midrange: band-pass, L and C (6 dB, coil at 4 x Fp1) or two L-C sections (12 dB).

#include "formkit/press.h"
#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

constexpr Control controls[] = {
    {"cmdIzracunaj6db", Button, "Izracunaj", 840, 5400, 2000, 400, 16, bold975},
    {"cmdIzracunaj12db", Button, "Izracunaj", 5760, 5400, 2000, 400, 15, bold975},
    {"Text6", TextField, "4", 960, 4320, 2000, 300, 14, bold975, Align::Centre},
    {"Text5", TextField, "500", 960, 3600, 2000, 300, 13, bold975, Align::Centre},
    {"Text3", TextField, "4", 5760, 5040, 2000, 300, 12, bold975, Align::Centre},
    {"Text2", TextField, "5000", 5760, 4320, 2000, 300, 11, bold975, Align::Centre},
    {"Text1", TextField, "500", 5760, 3600, 2000, 300, 10, bold975, Align::Centre},
    {"Label16", Label, "", 4680, 6600, 4005, 300, 22, bold975, Align::Centre, singleBorder},
    {"Label15", Label, "", 4680, 6120, 4005, 300, 21, bold975, Align::Centre, singleBorder},
    {"Label14", Label, "", 120, 6120, 4000, 300, 20, bold975, Align::Centre, singleBorder},
    {"Label13", Label, "Z =                                       oma", 240, 4320, 3495, 300, 19,
     bold975, Align::Centre},
    {"Label12", Label, "impedansa zvucnika", 120, 3960, 3495, 300, 18, bold975, Align::Centre},
    {"Label11", Label, "gornja ucestanost Fp2=4*Fp1", 120, 4800, 3495, 300, 17, bold975,
     Align::Centre},
    {"Image2", Picture, ":/images/srednji_12db.png", 4920, 480, 3540, 2655, noTab},
    {"Image1", Picture, ":/images/srednji_6db.png", 240, 480, 3540, 2655, noTab},
    {"Label10", Label, "Fp1 =                                        Hz", 240, 3600, 3495, 300, 9,
     bold975, Align::Centre},
    {"Label9", Label, "donja ucestanost Fp1", 240, 3240, 3495, 300, 8, bold975, Align::Centre},
    {"Label8", Label, "6db/oct", 240, 120, 3495, 300, 7, bold975, Align::Centre},
    {"Label7", Label, "Z =                                             oma", 4920, 5040, 3495, 300,
     6, bold975, Align::Centre},
    {"Label6", Label, "impedansa zvucnika", 4800, 4680, 3495, 300, 5, bold975, Align::Centre},
    {"Label5", Label, "Fp2 =                                           Hz", 4920, 4320, 3495, 300,
     4, bold975, Align::Centre},
    {"Label4", Label, "gornja ucestanost", 4920, 3960, 3495, 300, 3, bold975, Align::Centre},
    {"Label3", Label, "Fp1 =                                            Hz", 4920, 3600, 3495, 300,
     2, bold975, Align::Centre},
    {"Label2", Label, "donja ucestanost", 4920, 3240, 3495, 300, 1, bold975, Align::Centre},
    {"Label1", Label, "12db/oct", 4920, 120, 3495, 300, 0, bold975, Align::Centre},
};

constexpr FormTable table{{"frmSrednji", "Srednjetonci", 9285, 7440}, controls};

void attach(QWidget& form, const FormContext& context) {
    // The left half sizes its coil for 4 x Fp1 and reads no upper frequency.
    wirePress(form, context, "cmdIzracunaj6db",
              {{"Text5", "Fp1", "donja ucestanost"}, {"Text6", "Z", "impedansa zvucnika"}},
              calc::bandPass6db, {"Label14"});
    wirePress(form, context, "cmdIzracunaj12db",
              {{"Text1", "Fp1", "donja ucestanost"},
               {"Text2", "Fp2", "gornja ucestanost"},
               {"Text3", "Z", "impedansa zvucnika"}},
              calc::bandPass12db, {"Label15", "Label16"});
}

constexpr Tooltip tooltips[] = {
    {"Text5",
     "Donja ucestanost Fp1, u hercima (Hz): ispod nje filter slabi srednjetonac 6 dB po "
     "oktavi; gornja granica je 4 x Fp1."},
    {"Text6", "Impedansa zvucnika Z, u omima: nazivna impedansa srednjetonca."},
    {"cmdIzracunaj6db",
     "Racuna kondenzator C (uF) za Fp1 i kalem L (mH) za 4 x Fp1, filter "
     "prvog reda, 6 dB po oktavi."},
    {"Text1",
     "Donja ucestanost Fp1, u hercima (Hz): ispod nje filter drugog reda slabi "
     "srednjetonac 12 dB po oktavi."},
    {"Text2",
     "Gornja ucestanost Fp2, u hercima (Hz): iznad nje filter drugog reda slabi "
     "srednjetonac 12 dB po oktavi."},
    {"Text3", "Impedansa zvucnika Z, u omima: nazivna impedansa srednjetonca."},
    {"cmdIzracunaj12db",
     "Racuna L1 (mH) i C1 (uF) za Fp1 i L2 i C2 za Fp2, filter drugog reda, "
     "12 dB po oktavi."},
};
}  // namespace

const FormDesign frmSrednji{table, attach, tooltips};

}  // namespace forms
