#pragma once

#include <string>

namespace marlo {

// Why the stock store refused or failed an operation. The store is left as it was in every case.
struct StoreError {
    enum class Kind {
        None,
        BadLocation,       // the store's URL cannot be understood
        Unreachable,       // the server does not answer, or the file cannot be opened
        ConnectionLost,    // the server went away during an operation
        PermissionDenied,  // the user may not read or change the store (or log in)
        ReadOnly,          // the store's file cannot be written
        Locked,            // another workstation holds the store for too long
        NewerSchema,       // written by a newer version of the program
        Corrupt,           // not a stock store, or a damaged one
        Missing,           // no store there yet, and the caller would not have one made
        NotAStore,         // a database of another program's tables: the store is not made there
        DiskFull,          // no room left to write the change, or the disk failed
        UnknownMaterial,   // no material of that name
        BadStock,          // the stock given cannot be stored (e.g. two offcuts of one identifier)
        Failed,            // anything else the database reported
    };

    Kind kind = Kind::None;
    std::string detail;  // what the database said, for the log and the message

    explicit operator bool() const { return kind != Kind::None; }
};

}  // namespace marlo
