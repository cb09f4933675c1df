# Sourced by the Wine tests. start_wine_prefix makes a fresh 32-bit Wine prefix in a temporary
# folder (WINEPREFIX, exported; the caller removes it) and waits until Wine has finished setting
# it up, so the commands that follow do not race the first start under a heavy load.
#
# Wine runs 32-bit Windows programs through its 32-bit Linux loader. Where the kernel does not
# run 32-bit Linux programs (IA32 emulation off: every start fails with "Exec format error" and
# status 126), no 32-bit Windows program can run under Wine at all: the test is then skipped
# with status 77, and says why, rather than failing on its first `wine` command.
start_wine_prefix() {
  export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wine_status=0
  wine_version=$(wine --version 2>&1) || wine_status=$?
  if [ "$wine_status" -ne 0 ]; then
    echo "Wine cannot start here (status $wine_status): $wine_version"
    if [ "$wine_status" -eq 126 ]; then
      echo "this machine does not run 32-bit Linux programs, so Wine cannot run a 32-bit" \
        "Windows program: skipped"
      exit 77
    fi
    exit 1
  fi
  WINEPREFIX=$(mktemp -d)
  export WINEPREFIX
  wineboot --init >/dev/null 2>&1 || { echo "wineboot --init failed in $WINEPREFIX"; exit 1; }
  wineserver -w
  echo "$wine_version, prefix ready"
}

# wine_reg KEY ARGUMENTS...: one `wine reg add`, which must succeed.
wine_reg() {
  wine reg add "$@" /f >/dev/null 2>&1 || { echo "wine reg add $* failed"; exit 1; }
}
