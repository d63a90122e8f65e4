// The catalogue of the five embedded archives, keyed by archive file name, with a cursor.
//
// Records live in a hash table of 512 chains visited from chain 0 upward, the record added last
// coming first within its chain; the iteration order that callers see follows from that rule.
#pragma once

#include "engine/InstallPackage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarnwick {

class PackageCatalogue {
public:
    static constexpr std::uint32_t ChainCount = 512;

    // The chain of a key: h = h * 65599 + u for each UTF-16 unit u, in unsigned 32-bit arithmetic.
    static std::uint32_t ChainOf(const std::u16string& key);

    // Adds a record with empty fields under a key that is not in the catalogue yet and makes it current.
    InstallPackage& AddPackage(const std::u16string& key);

    // The record with this key, made current; null when no record has the key (the cursor stays).
    InstallPackage* FindPackage(const std::u16string& key);

    // Puts the cursor before the first record.
    void ResetIteration();
    // Steps to the next record in iteration order; false once the last record has been passed.
    bool NextPackage();

    // The current record and its key. Only valid while a record is current.
    InstallPackage& CurrentPackage();
    const std::u16string& CurrentKey() const;
    bool HasCurrent() const { return cursor < order.size(); }

private:
    struct Record {
        std::u16string key;
        InstallPackage package;
    };

    static constexpr std::size_t BeforeFirst = static_cast<std::size_t>(-1);

    std::vector<std::unique_ptr<Record>> order; // records in iteration order
    std::size_t cursor = BeforeFirst;           // index into order; order.size() once past the end
};

// Creates the program's catalogue with its five records from the embedded payload.
PackageCatalogue BuildPackageCatalogue();

} // namespace tarnwick
