#!/usr/bin/env bash
# Checks the Debian package as Debian's own tools do (lintian, desktop-file-validate, appstreamcli
# validate --pedantic) and its content rating as AppStream's library reads it, then starts the
# program as the desktop menu does: the command of the package's menu entry, run from the home
# folder, must keep Defaut.dat in the user's data folder, created when missing, and leave nothing
# in the folder it was started from. The package is unpacked into a temporary folder, not
# installed. The program runs on Qt's offscreen platform: this run looks at where its file goes,
# not at its windows.
# Usage: tests/e2e/package.sh [build folder]   (default: build)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
app_id=org.sobrimetre.Sobrimetre
package=$(ls "$build"/sobrimetre_*.deb 2>/dev/null | head -n 1)
[ -f "$package" ] || { echo "no package in $build: make package first" >&2; exit 2; }

work=$(mktemp -d /tmp/sobrimetre-package.XXXXXX)
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=checks.sh
source "$here/checks.sh"

echo "== Debian's checkers on $(basename "$package")"
root=$work/root
dpkg-deb -x "$package" "$root" || give_up "cannot unpack $package"
entry=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
# lintian tells when it runs as root on its standard error; its findings go to its output.
lintian --pedantic "$package" >"$work/lintian.txt" 2>/dev/null
check "lintian finds nothing to say, pedantic tags included" test ! -s "$work/lintian.txt"
cat "$work/lintian.txt"
check "desktop-file-validate accepts the menu entry" desktop-file-validate "$entry"
check "appstreamcli validate --pedantic accepts the AppStream data" \
    appstreamcli validate --pedantic --no-net "$metainfo"

# What a software store shows of the content rating: AppStream's description of each rated
# attribute, as its library reads them. The validator accepts any attribute and value; an unknown
# one has no description.
rating_descriptions() { # rating_descriptions METAINFO
    /usr/bin/python3 - "$1" <<'EOF'
import sys
import gi
gi.require_version("AppStream", "1.0")
from gi.repository import AppStream, Gio
data = AppStream.Metadata()
data.parse_file(Gio.File.new_for_path(sys.argv[1]), AppStream.FormatKind.XML)
rating = data.get_component().get_content_rating("oars-1.1")
for attribute in rating.get_rating_ids():
    print(AppStream.ContentRating.attribute_get_description(attribute, rating.get_value(attribute)))
EOF
}
check "the content rating tells of alcoholic drinks (OARS drugs-alcohol, mild), and of nothing else" \
    test "$(rating_descriptions "$metainfo")" = "References to alcoholic beverages"

echo "== a start from the menu entry"
command=$(awk -F= '$1 == "Exec" { print $2 }' "$entry")
check "the menu entry starts the package's launcher ($command)" test -x "$root$command"

# Starts the entry's command as a menu would: from the home folder, with the given data folder
# setting. Prints nothing; program_pid is the program's process (the launcher execs it).
start_from_menu() { # start_from_menu XDG_DATA_HOME
    (cd "$work/home" && exec env HOME="$work/home" XDG_DATA_HOME="$1" QT_QPA_PLATFORM=offscreen \
        "$root$command") >>"$work/program.log" 2>&1 &
    program_pid=$!
}
stop_program() {
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    program_pid=""
}

mkdir -p "$work/home"
start_from_menu ""
data=$work/home/.local/share/sobrimetre
check "without XDG_DATA_HOME, Defaut.dat is made in ~/.local/share/sobrimetre" \
    wait_until 10 test -f "$data/Defaut.dat"
stop_program
check "the data folder is the user's alone (mode 700)" test "$(stat -c %a "$data")" = 700
check "nothing is left in the home folder the menu started it from" test ! -e "$work/home/Defaut.dat"

printf 'saved values' >"$data/Defaut.dat"
start_from_menu "$work/data"
check "with XDG_DATA_HOME set, Defaut.dat is made in \$XDG_DATA_HOME/sobrimetre" \
    wait_until 10 test -f "$work/data/sobrimetre/Defaut.dat"
stop_program
check "the values kept under the default data folder are left alone" \
    test "$(cat "$data/Defaut.dat")" = "saved values"

[ "$failed" = 0 ] || { echo "-- what the program wrote:"; cat "$work/program.log"; }
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
