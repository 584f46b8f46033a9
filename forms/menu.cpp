#include "forms/menu.h"

namespace forms {

namespace {
using enum MenuRow::Command;

const MenuRow rows[] = {
    {"mnuFile", "&File", "", DropDown},
    {"mnuIzlaz", "&Izlaz", "mnuFile", Exit},
    {"mnuTipSkretnice", "&TipSkretnice", "", DropDown},
    {"mnuBas", "&Bas", "mnuTipSkretnice", Show, &frmBas},
    {"mnuSrednji", "&Srednji", "mnuTipSkretnice", Show, &frmSrednji},
    {"mnuVisoki", "&Visoki", "mnuTipSkretnice", Show, &frmVisoki},
    {"mnuKalem", "&Kalem", "", Show, &frmKalem},
    {"mnuZica", "&Zica", "", Show, &Form1},
    {"mnuOdziv", "&Odziv", "", Show, nullptr, "frmOdziv"},
    {"mnuNamotaj", "&Namotaj", "", Show, nullptr, "frmNamotaj"},
    {"mnuKorekcija", "Kor&ekcija", "", Show, nullptr, "frmKorekcija"},
    {"mnuAutor", "&Autor", "", Show, &frmAutor},
};
}  // namespace

std::span<const MenuRow> menuRows() { return rows; }

}  // namespace forms
