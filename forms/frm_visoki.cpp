#include <QLabel>

#include "forms/form_loader.h"
#include "forms/forms.h"
#include "forms/press.h"

namespace forms {

namespace {
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
    const std::array left{Input{control<QLineEdit>(&form, "Text1"), "Fp", "prelomna frekvencija"},
                          Input{control<QLineEdit>(&form, "Text2"), "Z", "impedansa zvucnika"}};
    const std::array right{Input{control<QLineEdit>(&form, "Text4"), "Fp", "prelomna frekvencija"},
                           Input{control<QLineEdit>(&form, "Text5"), "Z", "impedansa zvucnika"}};
    auto* label14 = control<QLabel>(&form, "Label14");
    auto* label11 = control<QLabel>(&form, "Label11");

    const auto cmdIzracunaj6db_Click = [=] {
        press<float>(context, left, calc::highPass6db, [=](const auto& result, const auto& region) {
            setCaption(label14, calc::caption(result, region));
        });
    };
    const auto cmdIzracunaj12_Click = [=] {
        press<float>(context, right, calc::highPass12db,
                     [=](const auto& result, const auto& region) {
                         setCaption(label11, calc::caption(result, region));
                     });
    };
    onClick(form, "cmdIzracunaj6db", cmdIzracunaj6db_Click);
    onClick(form, "cmdIzracunaj12", cmdIzracunaj12_Click);
}
}  // namespace

const FormDesign frmVisoki{table, attach};

}  // namespace forms
