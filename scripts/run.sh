#!/usr/bin/env bash
# `make run`: merges the example files with geoplait-merge and says where the result is.
set -euo pipefail
build_dir=${1:-build/dev}
out="$build_dir/examples-merged.gpx"
"$build_dir/cli/geoplait-merge" --force -o "$out" examples/*.gpx
echo "The merged file is $out"
