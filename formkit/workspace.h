#pragma once

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace formkit {

class Corrections;
class Drivers;
struct FormContext;
class ShownResults;
class Workspace;

// A coil handed from one window to the one that winds it.
struct CoilToWind {
    double millihenry;
    double ohms;  // the loudspeaker's impedance it is in series with
};

// A window of our own, beyond the control tables: laid out with Qt layouts,
// created when it is first shown, and shown once like every form.
struct WindowDesign {
    std::string_view name;  // the window's objectName
    // Nothing where the window cannot be made, after telling the user why.
    std::function<QWidget*(Workspace& workspace)> create;
    // Set for the window that winds coils: takes a coil handed over.
    void (*takeCoil)(QWidget& window, const CoilToWind& coil) = nullptr;
    // Set for the window that draws the bench sheet (formkit::BenchSheet).
    bool drawsBenchSheet = false;
};

// What a window gets from the main window it opens in. Windows reach one
// another only through it.
class Workspace {
public:
    virtual const FormContext& context() const = 0;
    virtual const ShownResults& shownResults() const = 0;
    // Opens the window that winds coils with this coil to wind.
    virtual void windCoil(const CoilToWind& coil) = 0;
    // The drivers entered, kept while the program runs.
    virtual Drivers& drivers() = 0;
    // The corrections computed, the last of each kind, kept while the program runs.
    virtual Corrections& corrections() = 0;
    // The DC resistance (ohm) of the coil the winding window winds for an inductance by its
    // defaults (a 30 mm former, 20 mm long, 1 mm wire); nothing where none reaches it.
    virtual std::optional<double> windingResistance(double millihenry) const = 0;
    // The help page of the window in front; for a dialog that holds the keyboard, the page of the
    // window it belongs to.
    virtual void showHelp() = 0;

protected:
    ~Workspace() = default;
};

}  // namespace formkit
