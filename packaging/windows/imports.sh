#!/usr/bin/env bash
# The DLLs that a Windows executable or DLL imports, one per line.
set -euo pipefail
x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
