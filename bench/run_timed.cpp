// Runs one command as a child process and prints what it cost: wall time, user and system CPU
// time (microseconds) and page faults (minor and major), from the child's own resource usage.
// bench/whole_process.sh compiles it on demand; it needs nothing but the C library.
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

namespace {

long long Microseconds(const timeval& t) {
    return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_usec;
}

long long Monotonic_Microseconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000LL + t.tv_nsec / 1000;
}

}  // namespace

// run_timed COMMAND [ARGS...]: prints "wall_us user_us sys_us minor_faults major_faults exit" on
// one line of standard error, so that the command's own standard output passes through untouched.
int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: run_timed COMMAND [ARGS...]\n");
        return 2;
    }
    const long long start = Monotonic_Microseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("run_timed: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("run_timed: exec");
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("run_timed: wait4");
        return 2;
    }
    const long long wall = Monotonic_Microseconds() - start;
    const int exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::fprintf(stderr, "%lld %lld %lld %ld %ld %d\n", wall, Microseconds(usage.ru_utime),
                 Microseconds(usage.ru_stime), usage.ru_minflt, usage.ru_majflt, exit_code);
    return 0;
}
