#!/bin/sh
# Runs a Windows program under Wine. Uses the prefix named by WINEPREFIX when the caller
# prepared one (the test script does, once per run); otherwise a throw-away prefix.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "$WINEPREFIX" ]; then
    WINEPREFIX=$(mktemp -d /tmp/veltra-wine.XXXXXX)
    export WINEPREFIX
    trap 'wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"' EXIT
    wine wineboot -i >/dev/null 2>&1
fi
wine "$@"
