#!/bin/sh
# Runs a test with an empty HOME of its own: fresh-home.sh <home> <test> [args...]
# Whatever an earlier run left there (settings, font caches) would otherwise change the run.
set -e
home=$1
shift
rm -rf "$home"
mkdir -p "$home/.config" "$home/run"
chmod 700 "$home/run"
exec "$@"
