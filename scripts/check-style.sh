#!/usr/bin/env bash
# Fails when a source file is not formatted with .clang-format, holds a tab or a trailing blank,
# or when code outside the Qt backend, the entry point, the Qt tests and the Qt benchmarks
# includes Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
status=0
if [ "${#sources[@]}" -gt 0 ]; then
  clang-format --dry-run -Werror "${sources[@]}" || status=1
  if grep -n -P '\t| +$' "${sources[@]}"; then
    echo "tabs or trailing blanks above"
    status=1
  fi
  if grep -n -E '#include <Q' $(printf '%s\n' "${sources[@]}" | grep -v -E '^(qt/|app/main\.cpp|tests/qt/|bench/[a-z_]*qt_bench\.(cpp|h))'); then
    echo "Qt is used outside the Qt backend above"
    status=1
  fi
fi
exit $status
