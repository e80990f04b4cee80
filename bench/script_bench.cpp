// A script of 10,000 New + Close cycles through the whole program, headless: its run time and
// the largest memory it held. Closed windows must be freed as the script goes, so the peak stays
// near that of a short script.
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// Runs the program on the script and returns its peak resident memory in MB, or -1 when it
// did not end with status 0.
double PeakMegabytes(const QString& script, const QString& folder)
{
    qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
    qputenv("TOLVENAR_CONFIG_DIR", folder.toLocal8Bit());
    const QByteArray scriptPath = script.toLocal8Bit();
    char* argv[] = {const_cast<char*>(TOLVENAR_PROGRAM), const_cast<char*>("--script"),
                    const_cast<char*>(scriptPath.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed = posix_spawn(&child, TOLVENAR_PROGRAM, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss / 1024.0;
}

void BM_ScriptNewClose(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile script(dir.filePath("cycles.tlv"));
    if (!script.open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot write the script");
        return;
    }
    for (int64_t i = 0; i < state.range(0); ++i)
        script.write("menu mnuNew\nmenu mnuClose\n");
    script.close();
    for (auto _ : state) {
        const double peak = PeakMegabytes(script.fileName(), dir.path());
        if (peak < 0) {
            state.SkipWithError("the program failed");
            break;
        }
        state.counters["peak_MB"] = peak;
    }
}
BENCHMARK(BM_ScriptNewClose)->Arg(10)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
