// Only one copy of the program runs: a second lock attempt, from this
// process or another, is refused while the first copy lives, and a lock left
// by a copy that died is taken over.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>

#include "shell/single_instance.h"

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
    void secondAttemptInThisProcess();
    void anotherProcessHoldingTheLock_data();
    void anotherProcessHoldingTheLock();
    void lockLivesInTheRuntimeFolder();
};

void SingleInstanceTest::secondAttemptInThisProcess() {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("starwise.lock"));
    auto first = std::make_unique<SingleInstanceGuard>(lock);
    QVERIFY(first->TryAcquire());
    SingleInstanceGuard second(lock);
    QVERIFY2(!second.TryAcquire(), "a second copy must be refused");
    first.reset();  // the first copy ends
    SingleInstanceGuard third(lock);
    QVERIFY2(third.TryAcquire(), "the next start after a clean end goes ahead");
}

void SingleInstanceTest::anotherProcessHoldingTheLock_data() {
    QTest::addColumn<QString>("firstCopy");
    QTest::addColumn<bool>("secondStarts");
    QTest::newRow("still running: refused") << "running" << false;
    QTest::newRow("ended normally: starts") << "ended" << true;
    QTest::newRow("crashed, lock left behind: starts") << "killed" << true;
}

void SingleInstanceTest::anotherProcessHoldingTheLock() {
    QFETCH(QString, firstCopy);
    QFETCH(bool, secondStarts);
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("starwise.lock"));

    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kHoldLock), lock});
    QVERIFY(first.waitForStarted(10000));
    QVERIFY(first.waitForReadyRead(20000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("locked"));

    if (firstCopy == QLatin1String("ended")) {
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(20000));
        QCOMPARE(first.exitCode(), 0);
    } else if (firstCopy == QLatin1String("killed")) {
        first.kill();
        QVERIFY(first.waitForFinished(20000));
        QVERIFY2(QFileInfo::exists(lock), "a killed copy leaves its lock file");
    }

    SingleInstanceGuard second(lock);
    QCOMPARE(second.TryAcquire(), secondStarts);

    if (first.state() != QProcess::NotRunning) {
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(20000));
    }
}

void SingleInstanceTest::lockLivesInTheRuntimeFolder() {
    const QString path = SingleInstanceGuard::DefaultLockPath();
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("starwise.lock"));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) QCOMPARE(QFileInfo(path).absolutePath(), QDir(runtime).absolutePath());
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
