// Preloaded into the test's own polkitd, which has no logind to ask: every
// process of the user $OVATA_TEST_SESSION_UID is in a local, active session
// ("ovata-test" on seat0); every other question goes to libsystemd.
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <string>
#include <sys/types.h>

namespace {

constexpr const char *session = "ovata-test";

uid_t testUser()
{
    const char *uid = std::getenv("OVATA_TEST_SESSION_UID");
    return uid ? static_cast<uid_t>(std::atol(uid)) : static_cast<uid_t>(-1);
}

bool ofTestUser(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Uid:", 0) == 0) {
            return std::atol(line.c_str() + 4) == long(testUser());
        }
    }
    return false;
}

bool isTestSession(const char *name)
{
    return name && std::strcmp(name, session) == 0;
}

// Answers for the test user's session, or asks libsystemd.
#define ANSWER(name, params, args, mine, answer)                                                   \
    int name params                                                                                \
    {                                                                                              \
        if (mine) {                                                                                \
            answer;                                                                                \
        }                                                                                          \
        return reinterpret_cast<int(*) params>(dlsym(RTLD_NEXT, #name)) args;                      \
    }

} // namespace

extern "C" {
ANSWER(sd_pid_get_session, (pid_t pid, char **out), (pid, out), ofTestUser(pid),
       return (*out = strdup(session)) ? 0 : -1)
ANSWER(sd_session_is_active, (const char *name), (name), isTestSession(name), return 1)
ANSWER(sd_session_get_seat, (const char *name, char **out), (name, out), isTestSession(name),
       return (*out = strdup("seat0")) ? 0 : -1)
ANSWER(sd_session_get_uid, (const char *name, uid_t *out), (name, out), isTestSession(name),
       return (*out = testUser(), 0))
ANSWER(sd_uid_get_state, (uid_t uid, char **out), (uid, out), uid == testUser(),
       return (*out = strdup("active")) ? 0 : -1)
ANSWER(sd_uid_get_display, (uid_t uid, char **out), (uid, out), uid == testUser(),
       return (*out = strdup(session)) ? 0 : -1)
}
