#include "forms/project_state.h"

#include <QWidget>
#include <algorithm>
#include <memory>

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

}  // namespace

project::Project gatherProject(const MainWindow& main) {
    project::Project kept;
    for (const QWidget* window : main.openWindows())
        kept.windows.push_back({window->objectName().toStdString(), formkit::stateOf(*window)});
    for (const formkit::DriverEntry& entry : main.drivers().entries())
        kept.drivers.push_back(keptDriver(entry));
    for (std::size_t kind = 0; kind < formkit::Corrections::kinds; ++kind)
        if (const auto& made = main.corrections().of(kind)) kept.corrections.push_back(*made);
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
    for (const driver::Correction& correction : kept.corrections)
        main.corrections().set(correction);
    QStringList missing;
    for (const project::Window& window : kept.windows) {
        if (QWidget* shown = main.showByName(window.name))
            formkit::restoreState(*shown, window.settings);
        else
            missing << QString::fromStdString(window.name);
    }
    return missing;
}

}  // namespace forms
