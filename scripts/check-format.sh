#!/usr/bin/env bash
# Fails when a C++ file of the tree is not in the house format (.clang-format at the root).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
