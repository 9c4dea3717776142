// Only one copy of the program runs: a lock attempt is refused while another
// process holds the lock, and a lock left by a copy that died is taken over.
// (The refusal's message is tested with the whole program.)
#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "gui/single_instance.h"

using namespace starwise::gui;

namespace {

constexpr const char* kHoldLock = "--hold-lock";

// Child mode: take the lock, say so, and hold it until standard input closes.
int HoldLock(const char* path) {
    SingleInstanceGuard guard(QString::fromLocal8Bit(path));
    if (!guard.TryAcquire()) return 3;
    std::puts("locked");
    std::fflush(stdout);
    char buffer[16];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void anotherProcessHoldingTheLock_data();
    void anotherProcessHoldingTheLock();
};

void SingleInstanceTest::anotherProcessHoldingTheLock_data() {
    QTest::addColumn<bool>("killFirst");
    QTest::newRow("still running: refused") << false;
    QTest::newRow("crashed, lock left behind: starts") << true;
}

void SingleInstanceTest::anotherProcessHoldingTheLock() {
    QFETCH(bool, killFirst);
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("starwise.lock"));
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kHoldLock), lock});
    QVERIFY(first.waitForStarted(10000));
    QVERIFY(first.waitForReadyRead(20000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("locked"));
    if (killFirst) {
        first.kill();
        QVERIFY(first.waitForFinished(20000));
        QVERIFY2(QFileInfo::exists(lock), "a killed copy leaves its lock file");
    }
    QCOMPARE(SingleInstanceGuard(lock).TryAcquire(), killFirst);
    first.closeWriteChannel();
    first.waitForFinished(20000);
}

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], kHoldLock) == 0) {
        QCoreApplication app(argc, argv);
        return HoldLock(argv[2]);
    }
    QApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "single_instance_test.moc"
