#pragma once

#include <functional>
#include <vector>

namespace orvane {

class TGridTable;

// The tables that linking columns can find as templates, by identifier.
// Plain tables and chart tables each have their own registry, so the two
// kinds may share identifiers.
class TTableRegistry {
public:
    TTableRegistry() = default;
    TTableRegistry(const TTableRegistry&) = delete;
    TTableRegistry& operator=(const TTableRegistry&) = delete;

    // Registers the table and returns an identifier that no registered table
    // uses yet.
    int add(TGridTable& table);
    void remove(const TGridTable& table);
    TGridTable* find(int identifier) const;

    // Told before any table of this registry goes, sub-tables included, so
    // that a window showing it can close while the table still exists.
    using DestroyedHook = std::function<void(const TGridTable&)>;
    void setDestroyedHook(DestroyedHook hook) { destroyedHook_ = std::move(hook); }
    void tableDestroyed(const TGridTable& table) const
    {
        if (destroyedHook_) destroyedHook_(table);
    }

private:
    std::vector<TGridTable*> tables_;
    int nextIdentifier_ = 1;
    DestroyedHook destroyedHook_;
};

}  // namespace orvane
