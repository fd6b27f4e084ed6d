# shellcheck shell=bash
# Sourced by the scripts under tools/: `fail MESSAGE` prints the message after
# the script's name on standard error and ends the script.
fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}
