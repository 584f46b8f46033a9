// Coil: the inductance of a multilayer air-core coil from N, do, l and h.

#include "formkit/press.h"
#include "forms/forms.h"

namespace forms {

namespace {
using namespace formkit;
using enum Kind;

// Nothing reads the explanatory text; the blanks at line ends and the doubled
// blanks belong to it.
constexpr std::string_view explanation =
    "Induktivitet   je tesko unapred \r\n"
    "odrediti jer zavisi od broja \r\n"
    "namotaja N ali i od dimenzija \r\n"
    "zavojnice. Zato zamislimo \r\n"
    "ovako:\r\n"
    "1. na telo Fi 30mm namotamo \r\n"
    "4 sloja po 20  namotaja = 80\r\n"
    "2. zica Fi 1mm\r\n"
    "3. kalem bi imao dimenzije \r\n"
    "kao na slici\r\n"
    "4. u stvarnosti se mora uzeti u \r\n"
    "obzir debljina laka zice kao i \r\n"
    "gustina namotaja.\r\n"
    "Znaci:\r\n"
    "Namotas malo pa izmeris i \r\n"
    "izracunas \r\n"
    "Debljina zice zavisi od snage \r\n"
    "tj struje tako 100W na 4 oma \r\n"
    "I=5A ide zica Fi=1,5mm pri gustini struje 3A/mm kvadratnom\r\n";

constexpr Control controls[] = {
    {"Text5", TextField, explanation, 5400, 120, 3735, 5775, 10, normal12, Align::Left,
     multiLine | verticalScrollBar, systemColour(sys::scrollBar)},
    {"cmdIzracunajL", Button, "IzracunajL ", 960, 5160, 2000, 375, 8, bold975},
    {"Text4", TextField, "4", 960, 4680, 2000, 360, 7, bold975, Align::Centre},
    {"Text3", TextField, "20", 960, 4200, 2000, 360, 6, bold975, Align::Centre},
    {"Text2", TextField, "34", 960, 3720, 2000, 345, 5, bold975, Align::Centre},
    {"Text1", TextField, "80", 960, 3240, 2000, 360, 4, bold975, Align::Centre},
    {"Label5", Label, "", 960, 5640, 2000, 300, 9, bold975, Align::Centre, singleBorder},
    {"Label4", Label, "h                                                  mm", 120, 4800, 4995, 300,
     3, bold975},
    {"Label3", Label, "l                                                   mm", 120, 4320, 4995,
     300, 2, bold975},
    {"Label2", Label, "do                                               mm", 120, 3840, 4995, 300,
     1, bold975},
    {"Label1", Label, "N                                               namotaja", 120, 3360, 4995,
     300, 0, bold975},
    {"Image1", Picture, ":/images/kalem.png", 120, 120, 4950, 3000, noTab},
};

constexpr FormTable table{{"frmKalem", "Kalem", 9375, 6495}, controls};

void attach(QWidget& form, const FormContext& context) {
    wirePress(form, context, "cmdIzracunajL",
              {{"Text1", "N", "broj namotaja"},
               {"Text2", "do", "srednji precnik"},
               {"Text3", "l", "duzina namotaja"},
               {"Text4", "h", "debljina namotaja"}},
              calc::coilInductance, {"Label5"});
}

constexpr Tooltip tooltips[] = {
    {"Text1", "Broj namotaja N: koliko zavoja zice ima kalem, ceo broj bez jedinice."},
    {"Text2", "Srednji precnik do, u milimetrima (mm): precnik tela plus debljina namotaja h."},
    {"Text3", "Duzina namotaja l, u milimetrima (mm): koliko je namotaj dug duz tela."},
    {"Text4", "Debljina namotaja h, u milimetrima (mm): visina svih slojeva zice na telu."},
    {"cmdIzracunajL",
     "Racuna induktivitet L (mH) vazdusnog kalema u vise slojeva od N, do, l i h."},
    {"Text5",
     "Objasnjenje uz primer, sa gustinom struje u A/mm2; tekst se moze menjati, racun ga "
     "ne cita."},
};
}  // namespace

const FormDesign frmKalem{table, attach, tooltips};

}  // namespace forms
