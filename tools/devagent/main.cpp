// A stand-in for the device agent, for development and tests. It speaks the
// agent's command-line contract:
//
//   OvataDeviceAgent --has-config
//   OvataDeviceAgent --configure --token T --base-url U --upn-override P
//
// and keeps its state in "<its own path>.state/": "config" (the saved values),
// "calls/" (one record per call: "<pid> <euid> umask=<octal> fds=<a,b,…>
// fsize=<soft limit> cwd=<folder> sigign=<hex> sigblk=<hex> session=<own|
// inherited> priorities=<as-process-1, when this process and its parent have
// process 1's nice value, scheduling, I/O priority, CPU affinity and OOM
// score adjustment, else the three>\n", then each argument followed by a NUL
// byte) and an optional "control" file that
// tells it how to behave, one directive a line, "<mode> <directive> [value]", mode being
// has-config, configure or *:
//
//   exit N          end now with status N
//   sleep MS        pause
//   wait-for NAME   pause until a file NAME is in the state folder (at most
//                   two minutes), so a test holds a call for as long as it
//                   looks
//   stdout TEXT     write TEXT (escapes \n \t \\ \xHH) to that stream
//   stderr TEXT
//   flood-stdout N  write N bytes
//   flood-stderr N
//   signal N        die by signal N
//   fork-hold MS    leave a child behind that holds both streams for MS; its
//                   pid is added to "held", so a test can end it
//   fork-away MS    leave two children behind for MS, on /dev/null: one in a
//                   session of its own, one forked twice (its parent ends);
//                   their pids are added to "held"
//   ignore N        ignore signal N from then on
//
// Directives run in order, then the call does what the contract says. A file
// rather than environment variables, because the privileged path clears the
// environment.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "contract/agentcontract.h"
#include "ownprocess/ownprocess.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/ioprio.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string ownPath(const char *argv0)
{
    if (std::strchr(argv0, '/') != nullptr) {
        return argv0;
    }
    return OwnProcess::executablePath().value_or(std::string(argv0));
}

// What decides a process's share of the machine, as one word. An unset I/O
// priority reads as "none" with a level that varies by kernel.
std::string priorities(pid_t pid)
{
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(pid));
    sched_param priority{};
    sched_getparam(pid, &priority);
    const long io = syscall(SYS_ioprio_get, IOPRIO_WHO_PROCESS, pid);
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    sched_getaffinity(pid, sizeof cpus, &cpus);
    std::string cpuList;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        cpuList += CPU_ISSET(cpu, &cpus) ? std::to_string(cpu) + '.' : "";
    }
    std::string oom;
    std::ifstream("/proc/" + std::to_string(pid) + "/oom_score_adj") >> oom;
    return "nice:" + std::to_string(errno == 0 ? nice : 99) +
           ",policy:" + std::to_string(sched_getscheduler(pid)) + ':' +
           std::to_string(priority.sched_priority) +
           ",io:" + (IOPRIO_PRIO_CLASS(io) == IOPRIO_CLASS_NONE ? "none" : std::to_string(io)) +
           ",cpus:" + cpuList + ",oom:" + oom;
}

// What the process was started with, as the record's first line shows it.
std::string startedWith()
{
    const mode_t mask = umask(0);
    umask(mask);
    char octal[8];
    std::snprintf(octal, sizeof octal, "%04o", unsigned(mask));
    std::vector<int> fds;
    if (DIR *dir = opendir("/proc/self/fd")) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != dirfd(dir)) {
                fds.push_back(std::atoi(entry->d_name));
            }
        }
        closedir(dir);
    }
    std::sort(fds.begin(), fds.end());
    std::string fdList;
    for (const int fd : fds) {
        fdList += (fdList.empty() ? "" : ",") + std::to_string(fd);
    }
    rlimit fsize{};
    getrlimit(RLIMIT_FSIZE, &fsize);
    char cwd[4096] = "?";
    if (!getcwd(cwd, sizeof cwd)) {
        cwd[0] = '?';
        cwd[1] = 0;
    }
    // The ignored and blocked signals, as the kernel lists them.
    std::string signals;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        for (const char *field : {"SigIgn:", "SigBlk:"}) {
            if (line.rfind(field, 0) == 0) {
                signals += std::string(field[3] == 'I' ? " sigign=" : " sigblk=") +
                           line.substr(line.find_first_not_of(" \t", 7));
            }
        }
    }
    const std::string own = priorities(getpid()), parent = priorities(getppid()),
                      system = priorities(1);
    return std::string("umask=") + octal + " fds=" + fdList + " fsize=" +
           (fsize.rlim_cur == RLIM_INFINITY ? std::string("unlimited")
                                            : std::to_string(fsize.rlim_cur)) +
           " cwd=" + cwd + signals + " session=" + (getsid(0) == getpid() ? "own" : "inherited") +
           " priorities=" +
           (own == system && parent == system ? "as-process-1" : own + '/' + parent + '/' + system);
}

void writeAll(int fd, const std::string &data)
{
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<size_t>(n);
    }
}

void recordCall(const std::string &stateDir, const std::vector<std::string> &arguments,
                const std::string &process)
{
    const std::string callsDir = stateDir + "/calls";
    mkdir(callsDir.c_str(), 0700);
    std::string record =
        std::to_string(getpid()) + ' ' + std::to_string(geteuid()) + ' ' + process + '\n';
    for (const auto &argument : arguments) {
        record += argument;
        record += '\0';
    }
    for (int n = 1; n < 1000000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/%06d", n);
        const int fd = open((callsDir + name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd >= 0) {
            writeAll(fd, record);
            close(fd);
            return;
        }
        if (errno != EEXIST) {
            return;
        }
    }
}

std::string unescaped(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        if (next == 'n') {
            out += '\n';
        } else if (next == 't') {
            out += '\t';
        } else if (next == 'x' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += next;
        }
    }
    return out;
}

void flood(int fd, long long bytes)
{
    const std::string block(64 * 1024, 'x');
    while (bytes > 0) {
        const auto n =
            static_cast<size_t>(std::min<long long>(bytes, static_cast<long long>(block.size())));
        writeAll(fd, block.substr(0, n));
        bytes -= static_cast<long long>(n);
    }
}

// Two children that outlive the call unless someone ends them: one leaves
// the session, the other is handed on as its parent ends at once.
void leaveBehind(const std::string &stateDir, long long ms)
{
    const auto linger = [ms] {
        const int devNull = open("/dev/null", O_RDWR);
        for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
            dup2(devNull, fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        _exit(0);
    };
    std::ofstream held(stateDir + "/held", std::ios::app);
    if (const pid_t child = fork(); child == 0) {
        setsid();
        linger();
    } else {
        held << child << std::endl;
    }
    if (const pid_t middle = fork(); middle == 0) {
        if (const pid_t child = fork(); child == 0) {
            linger();
        } else {
            held << child << std::endl;
            _exit(0);
        }
    } else {
        waitpid(middle, nullptr, 0);
    }
}

// Runs the control file's directives for this mode; returns an exit status
// when one of them ends the call.
int runDirectives(const std::string &stateDir, const std::string &mode)
{
    std::ifstream control(stateDir + "/control");
    std::string line;
    while (std::getline(control, line)) {
        std::istringstream words(line);
        std::string forMode, directive;
        words >> forMode >> directive;
        if (forMode != mode && forMode != "*") {
            continue;
        }
        std::string value;
        std::getline(words >> std::ws, value);
        if (directive == "exit") {
            return std::atoi(value.c_str());
        } else if (directive == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoll(value.c_str())));
        } else if (directive == "wait-for") {
            const std::string file = stateDir + "/" + value;
            for (int i = 0; i < 12000 && access(file.c_str(), F_OK) != 0; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        } else if (directive == "stdout") {
            writeAll(STDOUT_FILENO, unescaped(value));
        } else if (directive == "stderr") {
            writeAll(STDERR_FILENO, unescaped(value));
        } else if (directive == "flood-stdout") {
            flood(STDOUT_FILENO, std::atoll(value.c_str()));
        } else if (directive == "flood-stderr") {
            flood(STDERR_FILENO, std::atoll(value.c_str()));
        } else if (directive == "signal") {
            std::signal(std::atoi(value.c_str()), SIG_DFL);
            std::raise(std::atoi(value.c_str()));
        } else if (directive == "ignore") {
            std::signal(std::atoi(value.c_str()), SIG_IGN);
        } else if (directive == "fork-away") {
            leaveBehind(stateDir, std::atoll(value.c_str()));
        } else if (directive == "fork-hold") {
            if (const pid_t child = fork(); child == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(std::atoll(value.c_str())));
                _exit(0);
            } else if (child > 0) {
                std::ofstream(stateDir + "/held", std::ios::app) << child << '\n';
            }
        }
    }
    return -1;
}

bool saveConfiguration(const std::string &stateDir, const std::vector<std::string> &values)
{
    std::string content;
    for (const auto &value : values) {
        content += value;
        content += '\0';
    }
    const std::string target = stateDir + "/config";
    const std::string temporary = target + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) {
        return false;
    }
    fchmod(fd, 0600);
    writeAll(fd, content);
    const bool written = fsync(fd) == 0;
    close(fd);
    return written && rename(temporary.c_str(), target.c_str()) == 0;
}

int usage()
{
    std::fputs("usage: OvataDeviceAgent --has-config\n"
               "       OvataDeviceAgent --configure --token T --base-url U --upn-override P\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string process = startedWith(); // before anything is opened
    const std::string stateDir = ownPath(argv[0]) + ".state";
    mkdir(stateDir.c_str(), 0700);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    recordCall(stateDir, arguments, process);

    using namespace AgentContract;
    if (arguments.size() == 1 && arguments[0] == hasConfigFlag) {
        if (const int status = runDirectives(stateDir, "has-config"); status >= 0) {
            return status;
        }
        struct stat info;
        return stat((stateDir + "/config").c_str(), &info) == 0 ? 0 : 1;
    }

    if (arguments.size() != 7 || arguments[0] != configureFlag || arguments[1] != tokenFlag ||
        arguments[3] != baseUrlFlag || arguments[5] != upnOverrideFlag) {
        return usage();
    }
    if (const int status = runDirectives(stateDir, "configure"); status >= 0) {
        return status;
    }
    const std::string &token = arguments[2];
    const std::string &baseUrl = arguments[4];
    if (token.empty()) {
        std::fputs("OvataDeviceAgent: the enrollment token is empty\n", stderr);
        return 3;
    }
    if (baseUrl.rfind("https://", 0) != 0) {
        std::fputs("OvataDeviceAgent: the cloud service URL must start with https://\n", stderr);
        return 3;
    }
    if (!saveConfiguration(stateDir, {token, baseUrl, arguments[6]})) {
        std::fprintf(stderr, "OvataDeviceAgent: cannot save the configuration: %s\n",
                     std::strerror(errno));
        return 4;
    }
    return 0;
}
