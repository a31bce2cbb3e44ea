#!/usr/bin/env bash
# `make run`: starts the desktop program from the build that `make` has just brought up to date.
set -euo pipefail
build_dir=${1:-build/dev}
exec "$build_dir/shell/geoplait"
