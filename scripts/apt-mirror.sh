#!/usr/bin/env bash
# The mirror that this machine's apt takes a Debian suite from.
#
#   scripts/apt-mirror.sh APT_DIR SUITE...      (APT_DIR: /etc/apt, say)
#
# Prints the URI of the first `deb` source in APT_DIR that names the first
# SUITE; when none does, of the first that names the next SUITE, and so on.
# Fails, printing nothing, when no source names any of them.
#
# The deb822 files (sources.list.d/*.sources) are read first, then the
# one-line ones (sources.list, then sources.list.d/*.list). A file of any
# other name, such as x.list.disabled, apt does not read, and neither do we;
# nor a stanza with `Enabled: no`. Only http and https URIs count: whoever
# asks downloads from the mirror into a system of its own, where a cdrom: or
# file: source of this machine would lead nowhere.
set -euo pipefail
export LC_ALL=C

[ $# -ge 2 ] || {
  echo "usage: $0 APT_DIR SUITE..." >&2
  exit 2
}
dir=$1
shift

shopt -s nullglob
files=("$dir"/sources.list.d/*.sources)
[ ! -f "$dir/sources.list" ] || files+=("$dir/sources.list")
files+=("$dir"/sources.list.d/*.list)
[ ${#files[@]} -gt 0 ] || exit 1

awk -v wanted="$*" '
  # The first URI found for each suite wins, as the first source does in apt.
  function add(uri, suite) {
    if (uri !~ /^https?:\/\// || suite in found) return
    sub(/\/+$/, "", uri)
    found[suite] = uri
  }

  # One deb822 stanza: every URI with every suite, if it is an enabled deb.
  function end_stanza(   types, uris, suites, i, j, n, deb) {
    n = split(field["types"], types)
    for (i = 1; i <= n; i++) if (types[i] == "deb") deb = 1
    if (deb && tolower(field["enabled"]) !~ /^[ \t]*(no|false|off|0)[ \t]*$/) {
      n = split(field["uris"], uris)
      split(field["suites"], suites)
      for (i = 1; i <= n; i++) for (j in suites) add(uris[i], suites[j])
    }
    delete field
    name = ""
  }

  FNR == 1 { end_stanza(); deb822 = FILENAME ~ /\.sources$/ }

  deb822 && /^#/ { next }
  deb822 && /^[ \t]*$/ { end_stanza(); next }
  # A value continued on the next lines.
  deb822 && /^[ \t]/ { if (name != "") field[name] = field[name] " " $0; next }
  deb822 {
    colon = index($0, ":")
    if (colon == 0) next
    name = tolower(substr($0, 1, colon - 1))
    field[name] = substr($0, colon + 1)
    next
  }

  # deb [option=value ...] URI SUITE COMPONENT...
  {
    sub(/#.*/, "")
    n = split($0, word)
    if (word[1] != "deb") next
    i = 2
    if (word[i] ~ /^\[/) {
      while (i < n && word[i] !~ /\]$/) i++
      i++
    }
    if (i + 1 <= n) add(word[i], word[i + 1])
  }

  END {
    end_stanza()
    n = split(wanted, suites)
    for (i = 1; i <= n; i++)
      if (suites[i] in found) {
        print found[suites[i]]
        exit 0
      }
    exit 1
  }
' "${files[@]}"
