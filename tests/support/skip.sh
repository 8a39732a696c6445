# Sourced by the test scripts. A test that cannot run here skips with the
# reason (CTest's SKIP_RETURN_CODE 77); in CI it fails instead.
skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1 (CI must run this test)" >&2
        exit 1
    fi
    echo "SKIP: $1" >&2
    exit 77
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}
