// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/CupsLibrary.h"

#include <QString>

#include <dlfcn.h>
#include <type_traits>

namespace {

constexpr const char *systemLibrary = "libcups.so.2";

struct Loaded
{
    std::unique_ptr<CupsLibrary> table;
    QString error;
};

const Loaded &loaded()
{
    // Opened once, on first use, whatever thread asks first, and never
    // closed: the library keeps state of its own until the process ends.
    static const Loaded *const library = [] {
        auto *result = new Loaded;
        result->table = CupsLibrary::open(systemLibrary, &result->error);
        return result;
    }();
    return *library;
}

} // namespace

const CupsLibrary *CupsLibrary::shared()
{
    return loaded().table.get();
}

QString CupsLibrary::sharedError()
{
    return loaded().error;
}

std::unique_ptr<CupsLibrary> CupsLibrary::open(const char *file, QString *error)
{
    // Local: the program calls it only through this table, and nothing it
    // brings in should stand in for the program's own symbols.
    void *handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
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
