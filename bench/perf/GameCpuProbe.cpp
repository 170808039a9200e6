// Measures the processor time the game takes while a level is played:
// starts the program's road in a copy of a game folder, leaves the menu
// with New Game at the chosen level and, once the level runs, samples the
// process's CPU time (all threads) over a stretch of play.
//
//   game_cpu_probe <game folder> [level number or level file] [seconds]
// A level file is played as level 1 of the copied folder.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <map>

#include "FormsHarness.h"
#include "TambApplication.h"

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

bool copyFolder(const QString& from, const QString& to) {
    for (const QString& sub : {QStringLiteral("graphics"), QStringLiteral("Sound"), QStringLiteral("levels")}) {
        const QDir source(from + QLatin1Char('/') + sub);
        QDir().mkpath(to + QLatin1Char('/') + sub);
        for (const QString& name : source.entryList(QDir::Files)) {
            if (!QFile::copy(source.filePath(name), to + QLatin1Char('/') + sub + QLatin1Char('/') + name)) return false;
        }
    }
    return QDir(from + QStringLiteral("/levels")).exists();
}

// CPU seconds of each thread of the process, by thread name.
std::map<QString, double> threadSeconds() {
    std::map<QString, double> out;
    const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
    for (const QString& tid : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromLatin1(stat.readAll());
        const int open = text.indexOf(QLatin1Char('(')), close = text.lastIndexOf(QLatin1Char(')'));
        const QStringList fields = text.mid(close + 2).split(QLatin1Char(' '));
        if (open < 0 || fields.size() < 13) continue;
        // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
        out[text.mid(open + 1, close - open - 1) + QLatin1Char('#') + tid] +=
            (fields[11].toDouble() + fields[12].toDouble()) / tick;
    }
    return out;
}

// Lets the program run undisturbed (QTest::qWait would wake up every 10 ms
// and be counted against the game).
void play(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    tamb::TambApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: game_cpu_probe <game folder> [level] [seconds]\n");
        return 2;
    }
    bool numbered = true;
    int level = args.size() > 2 ? args[2].toInt(&numbered) : 1;
    const int seconds = args.size() > 3 ? args[3].toInt() : 10;
    QTemporaryDir dir;
    if (!dir.isValid() || !copyFolder(args[1], dir.path())) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(args[1]));
        return 2;
    }
    if (!numbered) {
        const QString target = dir.path() + QStringLiteral("/levels/level1");
        QFile::remove(target);
        if (!QFile::copy(args[2], target)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(args[2]));
            return 2;
        }
        level = 1;
    }
    QDir::setCurrent(dir.path());

    tamb::test::FormsHarness forms;
    tamb::TMainForm* form = forms.main;
    tamb::test::MenuCloser closer{forms.menu, [&] {
                                      forms.ctx.MenuChoice = QStringLiteral("New Game");
                                      forms.ctx.state.LevelNumber = level;
                                  }};
    closer.arm();
    forms.root->start();
    if (!QTest::qWaitFor([&] { return !form->ManThread.isNull(); }, 20000)) {
        std::fprintf(stderr, "the level did not start (menu shown %d times)\n", closer.shown);
        for (const QString& e : forms.errors) std::fprintf(stderr, "  reported: %s\n", qPrintable(e));
        return 1;
    }
    QTest::qWait(1000);  // let the start settle

    // The man stands for the first half and walks right for the second;
    // the devils hunt him all along.
    QElapsedTimer wall;
    wall.start();
    const int lives0 = forms.ctx.state.Lives;
    const tamb::TManControl* thread0 = form->ManThread.data();
    const double cpu0 = cpuSeconds();
    const auto threads0 = threadSeconds();
    play(seconds * 500);
    QTest::keyPress(form, Qt::Key_Right);
    play(seconds * 500);
    QTest::keyRelease(form, Qt::Key_Right);
    const double cpu = cpuSeconds() - cpu0;
    const auto threads1 = threadSeconds();
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("level %d, %.1f s of play: %.3f s CPU = %.2f%% of one core (platform %s)\n", level, elapsed, cpu,
                100.0 * cpu / elapsed, qPrintable(QGuiApplication::platformName()));
    // A death in the stretch brings the preparation screen and a new start:
    // then the figure is not that of a level running.
    const bool restarted = form->ManThread.data() != thread0;
    std::printf("  lives %d -> %d%s\n", lives0, static_cast<int>(forms.ctx.state.Lives),
                restarted ? ", the level was set up again during the stretch" : "");
    for (const auto& [name, seconds1] : threads1) {
        const auto before = threads0.find(name);
        const double used = seconds1 - (before == threads0.end() ? 0.0 : before->second);
        if (used > 0) std::printf("  thread %s: %.2f%%\n", qPrintable(name), 100.0 * used / elapsed);
    }
    tamb::TManControl::stop(form->ManThread, forms.ctx.state);
    return 0;
}
