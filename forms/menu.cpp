#include "forms/menu.h"

namespace forms {

namespace {
using enum MenuRow::Command;

const MenuRow rows[] = {
    {"mnuFile", "&File", "", "", DropDown},
    {"mnuNovi", "&Novi", "mnuFile",
     "Zatvara sve prozore, zvucnike i korekcije i pocinje nov projekat (Ctrl+N).", New},
    {"mnuOtvori", "&Otvori...", "mnuFile",
     "Otvara sacuvan projekat: prozore, njihova polja, zvucnike i korekcije (Ctrl+O).", Open},
    {"mnuSacuvaj", "&Sacuvaj", "mnuFile", "Cuva projekat u njegovu datoteku (Ctrl+S).", Save},
    {"mnuSacuvajKao", "Sacuvaj &kao...", "mnuFile", "Cuva projekat u novu datoteku.", SaveAs},
    {"mnuStampaj", "Stam&paj...", "mnuFile",
     "Stampa list za radni sto: seme i delove skretnice, namotaje kalemova i krive (Ctrl+P).",
     Print},
    {"mnuIzveziPdf", "Izve&zi PDF...", "mnuFile", "Cuva list za radni sto kao PDF datoteku.",
     ExportPdf},
    {"mnuIzlaz", "&Izlaz", "mnuFile",
     "Zatvara sve prozore i program; pita samo za promenjen projekat.", Exit},
    {"mnuTipSkretnice", "&TipSkretnice", "", "", DropDown},
    {"mnuBas", "&Bas", "mnuTipSkretnice",
     "Niskopropusni filter za bas: kalem L (mH), kondenzator C (uF).", Show, &frmBas},
    {"mnuSrednji", "&Srednji", "mnuTipSkretnice",
     "Propusnik opsega za srednjetonac, od Fp1 do Fp2 (Hz).", Show, &frmSrednji},
    {"mnuVisoki", "&Visoki", "mnuTipSkretnice",
     "Visokopropusni filter za visokotonac: kondenzator C (uF), kalem L (mH).", Show, &frmVisoki},
    {"mnuKalem", "&Kalem", "", "Induktivitet (mH) vazdusnog kalema od namotaja i mera (mm).", Show,
     &frmKalem},
    {"mnuZica", "&Zica", "", "Precnik zice (mm) za struju (A) i gustinu struje (A/mm2).", Show,
     &Form1},
    {"mnuOdziv", "&Odziv", "", "Nivo, faza i impedansa izracunatih skretnica, i njihov zbir.", Show,
     nullptr, "frmOdziv"},
    {"mnuNamotaj", "&Namotaj", "", "Kako namotati kalem zadatog induktiviteta.", Show, nullptr,
     "frmNamotaj"},
    {"mnuKorekcija", "Kor&ekcija", "",
     "Zobel, L-atenuator, filter rezonancije i stepenik ploce: delovi za zvucnik.", Show, nullptr,
     "frmKorekcija"},
    {"mnuAutor", "&Autor", "", "Kontakt autora.", Show, &frmAutor},
    // C: every other letter of "Pomoc" is a window's own mnemonic.
    {"mnuPomoc", "Pomo&c", "", "Pomoc za prozor koji je napred (F1).", Help},
};
}  // namespace

std::span<const MenuRow> menuRows() { return rows; }

}  // namespace forms
