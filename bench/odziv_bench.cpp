// The response window after a press: every curve recomputed at 400 points,
// the sum of all six, and the charts painted, with all six halves shown; into
// resistors, and into the sample drivers read from their FRD and ZMA files,
// the impedance of them all drawn too.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "driver/driver.h"
#include "formkit/drivers.h"
#include "formkit/form_loader.h"
#include "forms/forms.h"
#include "forms/main_window.h"
#include "forms/odziv/odziv_window.h"

namespace {

class Silent final : public formkit::Warner {
public:
    void warn(QWidget*, const QString&) override {}
};

driver::Measurement measurement(driver::FileKind kind, const char* name) {
    QFile file(QStringLiteral(TAV20_PRIMERI "/%1.%2")
                   .arg(name, kind == driver::FileKind::Frd ? "frd" : "zma"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("%s is missing", qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    return driver::readMeasurement(kind, std::string_view(bytes.constData(), bytes.size())).value();
}

// Argument 1: each half feeds the sample driver of its kind, from its files.
void pressUpdatesAndRepaints(benchmark::State& state) {
    Silent warner;
    forms::MainWindow main({warner, [] { return calc::Region{",", "."}; }}, {odziv::frmOdziv});
    main.resize(1280, 1000);
    main.show();
    const std::pair<const forms::FormDesign*, const char*> halves[] = {
        {&forms::frmBas, "cmdIzracunaj6db"},     {&forms::frmBas, "cmdIzracunaj12db"},
        {&forms::frmSrednji, "cmdIzracunaj6db"}, {&forms::frmSrednji, "cmdIzracunaj12db"},
        {&forms::frmVisoki, "cmdIzracunaj6db"},  {&forms::frmVisoki, "cmdIzracunaj12"}};
    for (const auto& [form, button] : halves)
        formkit::control<QPushButton>(main.showForm(*form), button)->click();
    auto* window = static_cast<odziv::OdzivWindow*>(main.showWindow("frmOdziv"));
    if (state.range(0))
        for (const driver::Example& example : driver::examples)
            main.drivers().add(QString::fromLatin1(example.name), {},
                               std::make_shared<const driver::Driver>(driver::Measured{
                                   measurement(driver::FileKind::Frd, example.name),
                                   measurement(driver::FileKind::Zma, example.name), 8}),
                               0);
    for (std::size_t half = 0; half < formkit::ShownResults::halves; ++half) {
        window->findChild<QCheckBox*>(QStringLiteral("chkZbir%1").arg(half))->setChecked(true);
        // The woofer's halves, the midrange's and the tweeter's, each on its own driver.
        if (state.range(0))
            window->findChild<QComboBox*>(QStringLiteral("cboZvucnik%1").arg(half))
                ->setCurrentIndex(int(half / 2) + 1);
    }
    QWidget* bas = main.showForm(forms::frmBas);
    auto* frequency = formkit::control<QLineEdit>(bas, "Text1");
    auto* woofer = formkit::control<QPushButton>(bas, "cmdIzracunaj6db");
    bool other = false;
    for (auto _ : state) {
        // Each press a new crossover frequency, so the woofer's curve and the sum change; at these
        // two the highest peak keeps the level axis, which a step would lay every line out anew.
        frequency->setText((other = !other) ? QStringLiteral("400") : QStringLiteral("500"));
        woofer->click();
        benchmark::DoNotOptimize(window->grab());
    }
}
BENCHMARK(pressUpdatesAndRepaints)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
