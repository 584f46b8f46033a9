#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of the project's own and
# without Wine's own chatter; no Mono or Gecko installers are offered.
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/tav20/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
