# shellcheck shell=bash
# Sourced by the scripts under tools/: `fail MESSAGE` prints the message after
# the script's name on standard error and ends the script.
fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

# After apt's output has been shown: fails with the reason when it says that a
# mirror's lists are out of date, which apt rightly refuses.
fail_if_lists_expired() {
  if grep -qE 'is expired|is not valid yet' <<<"$1"; then
    fail "a mirror serves package lists that are out of date (above); apt refuses them," \
      "as it should: try again once it has synced, or use another mirror"
  fi
}
