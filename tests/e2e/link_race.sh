#!/usr/bin/env bash
# Another user races the save: in a shared folder that anyone may write to and that is not
# sticky, the victim keeps Defaut.dat as a link to a file of their own, and the attacker keeps
# swapping it with a link of theirs to another of the victim's files, notes.txt, while the
# victim saves again and again. A save that checked one link's owner and followed the other's
# target would replace notes.txt. Root acts as both users (setpriv); the race runs for
# RACE_SECONDS seconds (20 by default) and fails on any change to notes.txt.
# Usage: tests/e2e/link_race.sh [build folder]   (default: build)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
seconds=${RACE_SECONDS:-20}
[ "$(id -u)" = 0 ] || { echo "link_race.sh: only root can act as two users" >&2; exit 2; }
for tool in save_loop swap_links; do
    [ -x "$build/tests/e2e/$tool" ] || { echo "missing $build/tests/e2e/$tool: build first" >&2; exit 2; }
done

victim=52001
attacker=52002
as() {
    local user=$1
    shift
    setpriv --reuid="$user" --regid="$user" --clear-groups "$@"
}

work=$(mktemp -d /tmp/sobrimetre-race.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
install -m 755 "$build/tests/e2e/save_loop" "$build/tests/e2e/swap_links" "$work/"
mkdir -p "$work/victim/sync" "$work/shared"
chmod 0777 "$work/shared"
printf 'Les notes de la victime.\n' >"$work/victim/notes.txt"
chown -R "$victim:$victim" "$work/victim"
chmod 700 "$work/victim"
as "$victim" touch "$work/victim/sync/Defaut.dat"
as "$victim" ln -s "$work/victim/sync/Defaut.dat" "$work/shared/Defaut.dat"
as "$attacker" ln -s "$work/victim/notes.txt" "$work/shared/x"
notes_before=$(stat -c '%i %s %Y' "$work/victim/notes.txt")$(sha256sum <"$work/victim/notes.txt")

cd "$work/shared"
as "$attacker" "$work/swap_links" x Defaut.dat "$seconds" >"$work/attacker.log" &
attacker_pid=$!
as "$victim" "$work/save_loop" "$seconds" >"$work/victim.log"
wait "$attacker_pid"

notes_after=$(stat -c '%i %s %Y' "$work/victim/notes.txt")$(sha256sum <"$work/victim/notes.txt")
echo "link race, $seconds s: $(cat "$work/victim.log"); $(cat "$work/attacker.log")"
if [ "$notes_after" != "$notes_before" ]; then
    echo "FAIL: the victim's notes.txt was replaced by a save" >&2
    exit 1
fi
echo "PASS: the victim's notes.txt is as it was"
