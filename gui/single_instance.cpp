#include "gui/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace starwise::gui {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath) : lock_(lockPath) {
    // QLockFile would otherwise call a lock older than 30 seconds stale and
    // let a second copy in beside a long-running first one. With 0 a lock is
    // stale only when the process that wrote it is gone.
    lock_.setStaleLockTime(0);
}

QString SingleInstanceGuard::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("starwise.lock"));
}

bool SingleInstanceGuard::TryAcquire() {
    if (lock_.isLocked()) return true;
    return lock_.tryLock(0);
}

}  // namespace starwise::gui
