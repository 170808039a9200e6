// A failed save keeps the old file and says why it failed. Each case runs in
// a child process that brings about the real cause: a file size limit, a
// folder it may not write, a disk that is full.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TambError.h"
#include "TextLines.h"

namespace TL = tamb::TextLines;

namespace {

constexpr int kCannotSetUp = 77;

// What the child saw; its exit code says whether the save failed as the
// case expects. Printed by the child on failure, as gtest is not shared.
struct ChildResult {
    bool exited = false;
    int code = -1;
    int signal = 0;
};

ChildResult inChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    ChildResult r;
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return r;
    r.exited = WIFEXITED(status);
    r.code = r.exited ? WEXITSTATUS(status) : -1;
    r.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return r;
}

// The save of 1000 level-sized lines (66 KB) over a one-line file must fail with a
// message naming the file and the cause, and leave the old file alone.
int saveFailsWith(const QString& folder, const QString& cause) {
    const QString file = folder + "/level1";
    try {
        TL::write(file, QStringList(1000, QString(64, QLatin1Char('2'))));
        std::fprintf(stderr, "the save succeeded\n");
        return 1;
    } catch (const tamb::TambError& e) {
        if (!e.message().contains(file) || !e.message().contains(cause)) {
            std::fprintf(stderr, "message: %s\n", qPrintable(e.message()));
            return 2;
        }
    }
    if (TL::read(file) != QStringList{"old"}) return 3;
    if (QDir(folder).entryList(QDir::Files) != QStringList{"level1"}) return 4;  // no temporary left behind
    return 0;
}

void expectSavedFailureReported(const ChildResult& r) {
    ASSERT_EQ(r.signal, 0) << "the save ended the process by signal " << r.signal;
    ASSERT_TRUE(r.exited);
    if (r.code == kCannotSetUp) GTEST_SKIP() << "this machine cannot bring about the cause";
    EXPECT_EQ(r.code, 0) << "see the child's output above";
}

}  // namespace

// The child inherits the signal settings TambApplication made for this test
// program: without them the file size signal would end it.
TEST(TextLinesWrite, AFileSizeLimitIsNamedAndDoesNotEndTheProgram) {
    QTemporaryDir dir;
    TL::write(dir.filePath("level1"), {"old"});
    expectSavedFailureReported(inChild([&] {
        struct rlimit tiny {};
        getrlimit(RLIMIT_FSIZE, &tiny);
        tiny.rlim_cur = 64;
        if (setrlimit(RLIMIT_FSIZE, &tiny) != 0) return kCannotSetUp;
        return saveFailsWith(dir.path(), "file size limit");
    }));
}

TEST(TextLinesWrite, AFolderWithoutWritePermissionIsNamed) {
    QTemporaryDir dir;
    TL::write(dir.filePath("level1"), {"old"});
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    expectSavedFailureReported(inChild([&] {
        // The superuser may write anywhere: write as nobody instead.
        if (geteuid() == 0 && setuid(65534) != 0) return kCannotSetUp;
        return saveFailsWith(dir.path(), "Permission denied");
    }));
    chmod(QFile::encodeName(dir.path()).constData(), 0700);
}

TEST(TextLinesWrite, AFullDiskIsNamed) {
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    expectSavedFailureReported(inChild([&] {
        // A 16 KB memory disk over the folder, in a mount namespace of the
        // child's own (a user namespace first where that needs one).
        if (unshare(CLONE_NEWNS) != 0) {
            const uid_t uid = geteuid();
            const gid_t gid = getegid();
            if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return kCannotSetUp;
            auto put = [](const char* file, const QByteArray& text) {
                QFile f(file);
                return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
            };
            put("/proc/self/setgroups", "deny");
            if (!put("/proc/self/uid_map", QByteArray::number(uid) + " " + QByteArray::number(uid) + " 1") ||
                !put("/proc/self/gid_map", QByteArray::number(gid) + " " + QByteArray::number(gid) + " 1"))
                return kCannotSetUp;
        }
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return kCannotSetUp;
        if (mount("tamb-test", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0) return kCannotSetUp;
        try {
            TL::write(QFile::decodeName(mountPoint) + "/level1", {"old"});
        } catch (const tamb::TambError&) {
            return kCannotSetUp;
        }
        return saveFailsWith(QFile::decodeName(mountPoint), "The disk is full");
    }));
}
