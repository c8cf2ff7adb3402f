#!/bin/sh
# Runs one test with a home and XDG folders of its own, removed afterwards:
# no test can touch the user's real configuration or data.
casa=$(mktemp -d "${TMPDIR:-/tmp}/calcolotti-test.XXXXXX") || exit 1
trap 'rm -rf "$casa"' EXIT INT TERM
mkdir -p "$casa/run" && chmod 700 "$casa/run"
HOME=$casa XDG_CONFIG_HOME=$casa/.config XDG_DATA_HOME=$casa/.local/share \
XDG_CACHE_HOME=$casa/.cache XDG_RUNTIME_DIR=$casa/run "$@"
