#include "app/response_module.h"

#ifdef TAV20_MODULE_DIR

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <memory>

namespace {

using Make = QWidget* (*)(formkit::Workspace&);

// Beside the program in the build tree, else where the package installs it,
// found from the program's own folder so that an unpacked package works too.
// Where neither loads, the place it belongs is the one to name.
Make loadModule(QString& missing) {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {program.path(),
          QDir::cleanPath(program.filePath(QStringLiteral("../" TAV20_MODULE_DIR)))}) {
        QLibrary module(QDir(folder).filePath(QStringLiteral(TAV20_MODULE_FILE)));
        if (auto make = reinterpret_cast<Make>(module.resolve("tav20ResponseWindow"))) return make;
        missing = module.fileName();
    }
    return nullptr;
}

}  // namespace

formkit::WindowDesign responseWindow(formkit::Warner& warner) {
    struct Module {
        bool tried = false;
        Make make = nullptr;
        QString missing;
    };
    return {
        "frmOdziv",
        [&warner, module = std::make_shared<Module>()](formkit::Workspace& workspace) -> QWidget* {
            if (!module->tried) {
                module->make = loadModule(module->missing);
                module->tried = true;
            }
            if (module->make) return module->make(workspace);
            warner.warn(nullptr, QStringLiteral("Prozor \"Odziv skretnice\" ne moze da se otvori: "
                                                "datoteka %1 nedostaje ili ne moze da se ucita. "
                                                "Ponovo instalirajte program.")
                                     .arg(module->missing));
            return nullptr;
        },
        nullptr, true};
}

#elif defined(TAV20_WITHOUT_RESPONSE_WINDOW)

formkit::WindowDesign responseWindow(formkit::Warner& warner) {
    return {"frmOdziv", [&warner](formkit::Workspace&) -> QWidget* {
                warner.warn(nullptr,
                            QStringLiteral("Prozor \"Odziv skretnice\" nije deo ovog izdanja "
                                           "programa: izdanje je napravljeno bez Qt Charts."));
                return nullptr;
            },
            nullptr, true};
}

#else

#include "forms/odziv/odziv_window.h"

formkit::WindowDesign responseWindow(formkit::Warner&) { return odziv::frmOdziv; }

#endif
