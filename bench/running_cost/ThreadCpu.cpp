#include "ThreadCpu.h"

#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace thread_cpu {

double accountedSeconds() {
    const auto tid = static_cast<long>(syscall(SYS_gettid));
    std::ifstream file("/proc/self/task/" + std::to_string(tid) + "/stat");
    std::string line;
    std::getline(file, line);
    // The command name in brackets may hold spaces; the fields after it are plain. utime and
    // stime are the 14th and 15th fields, the 12th and 13th after the closing bracket.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 0; i < 11; ++i) fields >> field;
    long long utime = 0;
    long long stime = 0;
    fields >> utime >> stime;
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::chrono::nanoseconds now() {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

}  // namespace thread_cpu
