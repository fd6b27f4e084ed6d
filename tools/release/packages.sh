#!/usr/bin/env bash
# The Debian packages a build uses, for the release's build information: the
# packages of the lists given (in tools/install-deps.sh's format), everything
# they depend on, and the essential packages every Debian build takes for
# granted; nothing else that happens to be installed. Prints the release the
# machine runs, then one " name:architecture (= version)" line a package, in
# byte order, so that two machines with the same versions print the same.
#
#   packages.sh LIST...
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")/.." && pwd)
mapfile -t names < <(bash "$here/install-deps.sh" --names "$@"
  dpkg-query -W -f='${Essential} ${Package}\n' | awk '$1 == "yes" { print $2 }')
echo "$(. /etc/os-release && echo "$PRETTY_NAME"), $(cat /etc/debian_version)"
apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${names[@]}" | grep -v -e '^ ' -e '^<' | sort -u |
  # apt-cache also names alternatives that are not installed: dpkg-query
  # leaves them out.
  { xargs dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} (= ${Version})\n' 2>/dev/null || true; } |
  awk '$1 == "ii" { sub(/^ii +/, " "); print }' | sort -u
