// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cups/cups.h>

#include <QString>

#include <memory>
#include <mutex>

// The print system's library, opened on the first call that needs it rather
// than when the program starts: linked in, it would bring some twenty more
// libraries into every start-up, long before anyone prints. Each function
// has the type of its declaration in the library's own headers.
struct CupsLibrary
{
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsGetDestMediaByName) cupsGetDestMediaByName = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsGetResponse) cupsGetResponse = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsSendRequest) cupsSendRequest = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::cupsUser) cupsUser = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpError) httpError = nullptr;
    decltype(&::httpGetStatus) httpGetStatus = nullptr;
    decltype(&::httpSetTimeout) httpSetTimeout = nullptr;
    decltype(&::ippAddBoolean) ippAddBoolean = nullptr;
    decltype(&::ippAddInteger) ippAddInteger = nullptr;
    decltype(&::ippAddString) ippAddString = nullptr;
    decltype(&::ippAddStrings) ippAddStrings = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::ippFindAttribute) ippFindAttribute = nullptr;
    decltype(&::ippFirstAttribute) ippFirstAttribute = nullptr;
    decltype(&::ippGetBoolean) ippGetBoolean = nullptr;
    decltype(&::ippGetGroupTag) ippGetGroupTag = nullptr;
    decltype(&::ippGetInteger) ippGetInteger = nullptr;
    decltype(&::ippGetName) ippGetName = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::ippGetValueTag) ippGetValueTag = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippNextAttribute) ippNextAttribute = nullptr;
    decltype(&::ippPort) ippPort = nullptr;

    // Calls visit(name, function) for every function of the table, the
    // function by reference; the one list of names the loader resolves.
    template<typename Table, typename Visit>
    static void forEachFunction(Table &table, Visit &&visit)
    {
        visit("cupsCopyDestInfo", table.cupsCopyDestInfo);
        visit("cupsDoRequest", table.cupsDoRequest);
        visit("cupsEncryption", table.cupsEncryption);
        visit("cupsFreeDestInfo", table.cupsFreeDestInfo);
        visit("cupsFreeDests", table.cupsFreeDests);
        visit("cupsGetDestMediaByName", table.cupsGetDestMediaByName);
        visit("cupsGetNamedDest", table.cupsGetNamedDest);
        visit("cupsGetResponse", table.cupsGetResponse);
        visit("cupsLastError", table.cupsLastError);
        visit("cupsLastErrorString", table.cupsLastErrorString);
        visit("cupsSendRequest", table.cupsSendRequest);
        visit("cupsServer", table.cupsServer);
        visit("cupsUser", table.cupsUser);
        visit("cupsWriteRequestData", table.cupsWriteRequestData);
        visit("httpClose", table.httpClose);
        visit("httpConnect2", table.httpConnect2);
        visit("httpError", table.httpError);
        visit("httpGetStatus", table.httpGetStatus);
        visit("httpSetTimeout", table.httpSetTimeout);
        visit("ippAddBoolean", table.ippAddBoolean);
        visit("ippAddInteger", table.ippAddInteger);
        visit("ippAddString", table.ippAddString);
        visit("ippAddStrings", table.ippAddStrings);
        visit("ippDelete", table.ippDelete);
        visit("ippFindAttribute", table.ippFindAttribute);
        visit("ippFirstAttribute", table.ippFirstAttribute);
        visit("ippGetBoolean", table.ippGetBoolean);
        visit("ippGetGroupTag", table.ippGetGroupTag);
        visit("ippGetInteger", table.ippGetInteger);
        visit("ippGetName", table.ippGetName);
        visit("ippGetString", table.ippGetString);
        visit("ippGetValueTag", table.ippGetValueTag);
        visit("ippNewRequest", table.ippNewRequest);
        visit("ippNextAttribute", table.ippNextAttribute);
        visit("ippPort", table.ippPort);
    }

    // The system's library, as the print service opens it.
    static constexpr const char *systemFile = "libcups.so.2";

    // Opens the library `file` and resolves every function: null, with the
    // reason in `error`, when the file or any function is missing. The
    // library stays in the process once opened: it keeps state of its own.
    static std::unique_ptr<CupsLibrary> open(const char *file, QString *error);

    CupsLibrary() = default;
    ~CupsLibrary();
    CupsLibrary(const CupsLibrary &) = delete;
    CupsLibrary &operator=(const CupsLibrary &) = delete;

private:
    void *m_handle = nullptr;
};

// The print system's library for one owner, opened on the first call that
// needs it rather than when the program starts, from whichever thread asks
// first.
class CupsLibraryLoader
{
public:
    // The library's table; null when it or one of its functions is missing.
    const CupsLibrary *library();
    // Why library() is null; empty while it is not, or not yet asked.
    const QString &error() const { return m_error; }
    bool isLoaded() const { return m_table != nullptr; }

private:
    std::mutex m_opening;
    bool m_tried = false;
    std::unique_ptr<CupsLibrary> m_table;
    QString m_error;
};
