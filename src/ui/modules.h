// The program's modules (metalcalc-list, metalcalc-export): loaded by name
// the first time they are needed, from beside the libraries when installed
// (the path from the program's folder is the build's setting,
// METALCALC_MODULE_DIR), in the build tree from modules/ beside the program
// or beside the tests' and benchmarks' folders. Used by the program and by
// the list module, each for its own.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace ui {

// The function of the module, or none when the module or the function is
// missing. The module stays loaded for the rest of the run.
inline QFunctionPointer ModuleFunction(const QString &module, const char *function)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &folder :
         {QStringLiteral(METALCALC_MODULE_DIR), QStringLiteral("modules"), QStringLiteral("../modules")}) {
        QLibrary library(here.filePath(folder + u'/' + module));
        if (library.load())
            return library.resolve(function);
    }
    return nullptr;
}

}  // namespace ui
