// bench_peak_relay PROGRAM [ARGS...]: runs the program, its output thrown away, prints the
// peak memory of its process alone in KiB and exits with the program's status. A process's peak counts the memory of the
// process it was started from until it ran its program, so small programs are measured from
// this one, linked statically to be tiny, rather than from a benchmark.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const pid_t child = ::fork();
    if (child == 0) {
        const int nowhere = ::open("/dev/null", O_WRONLY);
        if (nowhere < 0 || ::dup2(nowhere, STDOUT_FILENO) < 0 || ::dup2(nowhere, STDERR_FILENO) < 0)
            ::_exit(127);
        ::execv(argv[1], argv + 1);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 127)
        return 127;
    std::printf("%ld\n", usage.ru_maxrss);
    return WEXITSTATUS(status);
}
