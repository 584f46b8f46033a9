#pragma once

#include <QWidget>

#include "forms/workspace.h"

namespace odziv {

// "Odziv skretnice": the response of every computed crossover half.
class OdzivWindow : public QWidget {
    Q_OBJECT

public:
    explicit OdzivWindow(forms::Workspace& workspace);

private:
    forms::Workspace& m_workspace;
};

}  // namespace odziv
