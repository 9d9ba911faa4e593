// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/CupsLibrary.h"

#include <QString>

#include <dlfcn.h>
#include <type_traits>

const CupsLibrary *CupsLibraryLoader::library()
{
    const std::lock_guard lock(m_opening);
    if (!m_tried) {
        m_tried = true;
        m_table = CupsLibrary::open(CupsLibrary::systemFile, &m_error);
    }
    return m_table.get();
}

std::unique_ptr<CupsLibrary> CupsLibrary::open(const char *file, QString *error)
{
    // Local: the program calls it only through this table, and nothing it
    // brings in should stand in for the program's own symbols. Never
    // unloaded: the library keeps state of its own until the process ends.
    void *handle = dlopen(file, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) {
        *error = QStringLiteral("The print system's library could not be loaded: %1")
                     .arg(QString::fromLocal8Bit(dlerror()));
        return nullptr;
    }
    auto table = std::make_unique<CupsLibrary>();
    table->m_handle = handle;
    const char *missing = nullptr;
    forEachFunction(*table, [&](const char *name, auto &function) {
        if (missing)
            return;
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            dlsym(handle, name));
        if (!function)
            missing = name;
    });
    if (missing) {
        *error = QStringLiteral("The print system's library %1 lacks the function %2.")
                     .arg(QString::fromLocal8Bit(file), QString::fromLatin1(missing));
        return nullptr; // closes the library
    }
    error->clear();
    return table;
}

CupsLibrary::~CupsLibrary()
{
    if (m_handle)
        dlclose(m_handle);
}
