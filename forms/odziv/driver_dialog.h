#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "driver/measurement.h"
#include "formkit/warnings.h"
#include "formkit/workspace.h"

class QLabel;
class QLineEdit;

namespace odziv {

// "Zvucnik iz parametara" or "Zvucnik iz merenja": a driver by its Thiele-Small parameters, or
// by its FRD and ZMA files (either alone will do), with its name and the depth of its acoustic
// centre, added to the workspace's list once every field can be used. A file is read when
// chosen, all or nothing.
class DriverDialog : public QDialog {
    Q_OBJECT

public:
    enum class Source { Parameters, Files };
    // `folder` is where the file dialogs open, and keeps the last one a file came from.
    DriverDialog(Source source, formkit::Workspace& workspace, QString& folder, QWidget* parent);

    // Reads an FRD or ZMA file. One that cannot be read is named in a warning with the line and
    // what was expected there, and nothing changes.
    bool load(driver::FileKind kind, const QString& path);
    // Adds the driver and closes; else names the first field that cannot be used and focuses it.
    bool add();

private:
    void choose(driver::FileKind kind);
    std::optional<std::vector<double>> readFields();
    void warn(const QString& message, const formkit::Input& input);

    formkit::Workspace& m_workspace;
    Source m_source;
    QString& m_folder;
    QLineEdit* m_name;
    std::vector<formkit::Input> m_inputs;  // in driver::Field's order, then the offset
    QByteArray m_sensitivity;              // the sensitivity's meaning, as the region writes it
    // FRD, then ZMA: the measurement read and its file's name.
    std::array<std::optional<driver::Measurement>, 2> m_files;
    std::array<QString, 2> m_fileNames;
    std::array<std::string, 2> m_fileBytes;  // kept for a project
    std::array<QLabel*, 2> m_fileLabels{};
};

}  // namespace odziv
