#!/bin/sh
# Runs the Smacker reader's fuzzer (built beforehand in BUILD_DIR, e.g. build/asan) for SECONDS
# on a corpus of the sample movies (when ../shared/samples is beside the checkout), random
# movies from tests/smacker/randsmk.py (valid and damaged) and the kept regression inputs.
# Exits non-zero on a finding; the crashing input is left in BUILD_DIR/fuzz-findings/ and
# belongs in tests/smacker/regressions/.
set -eu

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR SECONDS" >&2
  exit 2
fi
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
fuzzer=$build/bin/smacker_fuzzer
if [ ! -x "$fuzzer" ]; then
  echo "$0: no fuzzer at $fuzzer (configure with clang, e.g. the asan preset, and build smacker_fuzzer)" >&2
  exit 2
fi

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/smacker/regressions/*.smk "$corpus"/ 2>/dev/null || true
samples=$root/../shared/samples/files
if [ -d "$samples" ]; then
  cp "$samples"/* "$corpus"/
fi
python3 "$root"/tests/smacker/randsmk.py --corpus "$corpus" 1:40

findings=$build/fuzz-findings
mkdir -p "$findings"
echo "fuzzing the Smacker reader for ${seconds}s on $(ls "$corpus" | wc -l) inputs"
"$fuzzer" -max_total_time="$seconds" -max_len=32768 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1 "$corpus"
