// Preloaded into the test's own polkitd, which has no logind to ask: every
// process of the user $OVATA_TEST_SESSION_UID is in a local, active session
// ("ovata-test" on seat0); every other question goes to libsystemd.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/types.h>

namespace {

constexpr const char *session = "ovata-test";

template<typename Function>
Function *real(const char *name)
{
    return reinterpret_cast<Function *>(dlsym(RTLD_NEXT, name));
}

bool isTestUser(uid_t uid)
{
    const char *wanted = std::getenv("OVATA_TEST_SESSION_UID");
    return wanted && std::to_string(uid) == wanted;
}

bool ofTestUser(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *status = std::fopen(path.c_str(), "r");
    char line[256];
    unsigned uid = 0;
    bool found = false;
    while (status && std::fgets(line, sizeof line, status)) {
        found = found || std::sscanf(line, "Uid: %u", &uid) == 1;
    }
    if (status) {
        std::fclose(status);
    }
    return found && isTestUser(uid);
}

bool isTestSession(const char *name)
{
    return name && std::strcmp(name, session) == 0;
}

} // namespace

extern "C" {

int sd_pid_get_session(pid_t pid, char **name)
{
    if (ofTestUser(pid)) {
        *name = strdup(session);
        return 0;
    }
    return real<int(pid_t, char **)>("sd_pid_get_session")(pid, name);
}

int sd_session_is_active(const char *name)
{
    return isTestSession(name) ? 1 : real<int(const char *)>("sd_session_is_active")(name);
}

int sd_session_get_seat(const char *name, char **seat)
{
    if (isTestSession(name)) {
        *seat = strdup("seat0");
        return 0;
    }
    return real<int(const char *, char **)>("sd_session_get_seat")(name, seat);
}

int sd_session_get_uid(const char *name, uid_t *uid)
{
    if (isTestSession(name)) {
        *uid = static_cast<uid_t>(std::atoi(std::getenv("OVATA_TEST_SESSION_UID")));
        return 0;
    }
    return real<int(const char *, uid_t *)>("sd_session_get_uid")(name, uid);
}

int sd_uid_get_state(uid_t uid, char **state)
{
    if (isTestUser(uid)) {
        *state = strdup("active");
        return 0;
    }
    return real<int(uid_t, char **)>("sd_uid_get_state")(uid, state);
}

int sd_uid_get_display(uid_t uid, char **name)
{
    if (isTestUser(uid)) {
        *name = strdup(session);
        return 0;
    }
    return real<int(uid_t, char **)>("sd_uid_get_display")(uid, name);
}
}
