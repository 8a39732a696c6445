#!/usr/bin/env bash
# Runs the fuzz target for a fixed number of inputs from the seeds; what it
# finds goes to a folder that ends with the run.
#   fuzz.sh <fuzz target> <seed corpus>
set -euo pipefail
source "$(dirname "$0")/../support/common.sh"
[ -x "$1" ] || skip "the fuzz target needs clang++"
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
"$1" -runs="${OVATA_FUZZ_RUNS:-1500000}" -seed=20261207 -artifact_prefix="$found/" "$found" "$2"
