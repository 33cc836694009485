// The start-up benchmark: starts the drill's start-up child and the bare
// child in turn, `runs` times each after one unmeasured warm-up of each, and
// prints the medians and their ratios. Start-up is measured from just before
// the process is spawned to its first paint event, and to the end of that
// first paint pass (the event loop's next turn); the handover from the
// splash's hand-over call to the exercise window's first paint; the peak RSS
// is the child's ru_maxrss, from wait4().
// Arguments: <drill child> <bare child> [runs, default 11]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench_common.h"

extern char **environ;

namespace {

struct Run {
    std::map<std::string, std::string> fields;
    double startupMs = 0, frameMs = 0, handoverMs = 0, maxRssMiB = 0;
};

bool runChild(const std::vector<std::string> &argv, Run &out)
{
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFd[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFd[0]);
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);

    pid_t pid = 0;
    const std::int64_t spawnNs = bench::nowNs();
    const int err = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFd[1]);
    if (err != 0) {
        close(pipeFd[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", args[0], std::strerror(err));
        return false;
    }
    std::string text;
    char buf[4096];
    ssize_t n;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0)
        text.append(buf, size_t(n));
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", args[0], status);
        return false;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t eol = text.find('\n', pos);
        const std::string line = text.substr(pos, eol == std::string::npos ? std::string::npos : eol - pos);
        const size_t sp = line.find(' ');
        if (sp != std::string::npos)
            out.fields[line.substr(0, sp)] = line.substr(sp + 1);
        if (eol == std::string::npos)
            break;
        pos = eol + 1;
    }
    auto ns = [&](const char *k) { return std::atoll(out.fields[k].c_str()); };
    if (ns("first_paint_ns") == 0 || ns("first_frame_ns") == 0 || ns("second_paint_ns") == 0)
        return false;
    out.startupMs = double(ns("first_paint_ns") - spawnNs) / 1e6;
    out.frameMs = double(ns("first_frame_ns") - spawnNs) / 1e6;
    out.handoverMs = double(ns("second_paint_ns") - ns("handover_ns")) / 1e6;
    out.maxRssMiB = double(usage.ru_maxrss) / 1024.0;
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <drill child> <bare child> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(5, std::atoi(argv[3])) : 11;

    // The warm-ups fill the page cache and tell how many controls to mirror.
    Run warm;
    if (!runChild({argv[1]}, warm))
        return 1;
    const std::string splashWidgets = warm.fields["splash_widgets"];
    const std::string exerciseWidgets = warm.fields["exercise_widgets"];
    const std::vector<std::string> bareArgv{argv[2], splashWidgets, exerciseWidgets};
    if (!runChild(bareArgv, warm))
        return 1;

    std::vector<double> dStart, dFrame, dHand, dRss, bStart, bFrame, bHand, bRss;
    for (int i = 0; i < runs; ++i) {
        Run d, b;
        if (!runChild({argv[1]}, d) || !runChild(bareArgv, b))
            return 1;
        dStart.push_back(d.startupMs);
        dFrame.push_back(d.frameMs);
        dHand.push_back(d.handoverMs);
        dRss.push_back(d.maxRssMiB);
        bStart.push_back(b.startupMs);
        bFrame.push_back(b.frameMs);
        bHand.push_back(b.handoverMs);
        bRss.push_back(b.maxRssMiB);
    }

    using bench::median;
    std::printf("Start-up (median of %d runs each; Qt platform %s; splash %s controls, exercise window %s)\n",
                runs, warm.fields["platform"].c_str(), splashWidgets.c_str(), exerciseWidgets.c_str());
    std::printf("| measure | drill | bare window | ratio | goal |\n|---|---:|---:|---:|---|\n");
    const double startRatio = median(dStart) / median(bStart);
    std::printf("| process start -> first paint of the splash | %.1f ms | %.1f ms | %.2f | <= 1.25 %s |\n",
                median(dStart), median(bStart), startRatio, startRatio <= 1.25 ? "met" : "MISSED");
    std::printf("| process start -> first paint pass of the splash over (all its controls drawn) | %.1f ms | %.1f ms "
                "| %.2f | |\n",
                median(dFrame), median(bFrame), median(dFrame) / median(bFrame));
    std::printf("| handover -> first paint of the exercise window | %.1f ms | %.1f ms | %.2f | |\n",
                median(dHand), median(bHand), median(dHand) / median(bHand));
    std::printf("| peak RSS (ru_maxrss) | %.1f MiB | %.1f MiB | %.2f | |\n", median(dRss), median(bRss),
                median(dRss) / median(bRss));
    std::printf("start-up runs, drill (ms):");
    for (double v : dStart)
        std::printf(" %.1f", v);
    std::printf("\nstart-up runs, bare  (ms):");
    for (double v : bStart)
        std::printf(" %.1f", v);
    std::printf("\n");
    return 0;
}
