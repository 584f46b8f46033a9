// The response window after a press: every curve recomputed at 400 points,
// the sum of all six, and both charts painted, with all six halves shown.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "formkit/form_loader.h"
#include "forms/forms.h"
#include "forms/main_window.h"
#include "forms/odziv/odziv_window.h"

namespace {

class Silent final : public formkit::Warner {
public:
    void warn(QWidget*, const QString&) override {}
};

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
    for (std::size_t half = 0; half < formkit::ShownResults::halves; ++half)
        window->findChild<QCheckBox*>(QStringLiteral("chkZbir%1").arg(half))->setChecked(true);
    QWidget* bas = main.showForm(forms::frmBas);
    auto* frequency = formkit::control<QLineEdit>(bas, "Text1");
    auto* woofer = formkit::control<QPushButton>(bas, "cmdIzracunaj6db");
    bool other = false;
    for (auto _ : state) {
        // Each press a new crossover frequency, so the woofer's curve and the sum change.
        frequency->setText((other = !other) ? QStringLiteral("600") : QStringLiteral("500"));
        woofer->click();
        benchmark::DoNotOptimize(window->grab());
    }
}
BENCHMARK(pressUpdatesAndRepaints)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
