// Refuses a second copy of the program: the first copy holds a lock file in
// the user's runtime folder for as long as it runs.
#pragma once

#include <QLockFile>
#include <QString>

namespace starwise::gui {

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& lockPath);

    // The lock file this program uses: starwise.lock in the user's runtime
    // folder (XDG_RUNTIME_DIR on Linux).
    static QString DefaultLockPath();

    // True when this is the only copy; the lock is then held until the guard
    // is destroyed. A lock left behind by a copy that crashed (its process no
    // longer exists) is taken over.
    bool TryAcquire();

private:
    QLockFile lock_;
};

}  // namespace starwise::gui
