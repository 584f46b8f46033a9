#include "forms/project_state.h"

#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "formkit/window_state.h"
#include "forms/main_window.h"

namespace forms {

namespace {

project::Driver keptDriver(const formkit::DriverEntry& entry) {
    project::Driver kept{entry.name.toStdString(), entry.offset, {}};
    if (const auto* parameters = std::get_if<driver::Parameters>(entry.driver.get())) {
        kept.known = *parameters;
    } else {
        kept.known = project::Measured{entry.files[0], entry.files[1],
                                       std::get<driver::Measured>(*entry.driver).nominal};
    }
    return kept;
}

// As the driver dialog names a driver's source.
QString sourceOf(const project::Driver& kept) {
    const auto* files = std::get_if<project::Measured>(&kept.known);
    if (!files) return QStringLiteral("parametri");
    QStringList names;
    for (const auto* file : {&files->response, &files->impedance})
        if (*file) names << QString::fromStdString((*file)->name);
    return names.join(QStringLiteral(", "));
}

// A window's place and size, kept beside its controls under a name no control has: "x y w h" in
// the workspace (a child window) or on the screen, or that it fills the workspace.
const std::string frameSetting = "okvir";
const std::string maximized = "cela povrsina";

QWidget* frameOf(QWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    return sub ? static_cast<QWidget*>(sub) : window;
}

std::string frameText(const QWidget& frame) {
    if (frame.isMaximized()) return maximized;
    const QRect place = frame.geometry();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height())
        .toStdString();
}

// A place that does not read leaves the window where it opened.
void placeFrame(QWidget& frame, const std::string& text) {
    if (text == maximized) return frame.showMaximized();
    const QStringList numbers = QString::fromStdString(text).split(QLatin1Char(' '));
    if (numbers.size() != 4) return;
    std::array<int, 4> place{};
    for (std::size_t i = 0; i < place.size(); ++i) {
        bool read = false;
        place[i] = numbers[qsizetype(i)].toInt(&read);
        if (!read) return;
    }
    if (place[2] > 0 && place[3] > 0) frame.setGeometry(place[0], place[1], place[2], place[3]);
}

}  // namespace

project::Project gatherProject(const MainWindow& main, Frames frames) {
    project::Project kept;
    for (QWidget* window : main.openWindows()) {
        std::vector<project::Setting> settings = formkit::stateOf(*window);
        if (frames == Frames::Kept) settings.push_back({frameSetting, frameText(*frameOf(window))});
        kept.windows.push_back({window->objectName().toStdString(), std::move(settings)});
    }
    for (const formkit::DriverEntry& entry : main.drivers().entries())
        kept.drivers.push_back(keptDriver(entry));
    for (std::size_t kind = 0; kind < formkit::Corrections::kinds; ++kind)
        if (const auto& made = main.corrections().of(kind)) {
            const formkit::CorrectionPowers& powers = main.corrections().powersOf(kind);
            kept.corrections.push_back({*made, powers.amplifierWatts, powers.resistorWatts});
        }
    return kept;
}

QStringList openProject(MainWindow& main, const project::Project& kept) {
    main.closeAllWindows();
    main.drivers().clear();
    main.corrections().clear();
    for (const project::Driver& entry : kept.drivers) {
        // The reader has read every file already: a driver that fails here cannot be.
        auto model = project::modelOf(entry);
        if (!model) continue;
        std::array<std::optional<project::MeasuredFile>, 2> files;
        if (const auto* measured = std::get_if<project::Measured>(&entry.known))
            files = {measured->response, measured->impedance};
        main.drivers().add(QString::fromStdString(entry.name), sourceOf(entry),
                           std::make_shared<const driver::Driver>(std::move(*model)), entry.offset,
                           std::move(files));
    }
    for (const project::Correction& correction : kept.corrections)
        main.corrections().set(correction.parts,
                               {correction.amplifierWatts, correction.resistorWatts});
    QStringList missing;
    for (const project::Window& window : kept.windows) {
        if (QWidget* shown = main.showByName(window.name)) {
            formkit::restoreState(*shown, window.settings);
            const auto frame =
                std::ranges::find(window.settings, frameSetting, &project::Setting::name);
            if (frame != window.settings.end()) placeFrame(*frameOf(shown), frame->text);
        } else
            missing << QString::fromStdString(window.name);
    }
    return missing;
}

}  // namespace forms
