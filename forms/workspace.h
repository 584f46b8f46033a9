#pragma once

#include <functional>
#include <string_view>

class QWidget;

namespace forms {

struct FormContext;
class ShownResults;
class Workspace;

// A window of our own, beyond the control tables: laid out with Qt layouts,
// created when it is first shown, and shown once like every form.
struct WindowDesign {
    std::string_view name;  // the window's objectName
    QWidget* (*create)(Workspace& workspace);
};

// Makes a window whose code the program may load only when it is first
// asked for; nothing where that fails, after telling the user why.
using WindowMaker = std::function<QWidget*(Workspace& workspace)>;

// What such a window gets from the main window it opens in.
class Workspace {
public:
    virtual const FormContext& context() const = 0;
    virtual const ShownResults& shownResults() const = 0;
    virtual QWidget* showWindow(const WindowDesign& design) = 0;
    // The response window, with Qt Charts, which the program does not load at start.
    virtual QWidget* makeResponseWindow() = 0;

protected:
    ~Workspace() = default;
};

}  // namespace forms
