#!/usr/bin/env bash
# Another user races the save: in a shared folder that anyone may write to and that is not
# sticky, the victim keeps Defaut.dat and the evening's journal Soiree.csv as links to files of
# their own, and the attacker keeps swapping each with a link of theirs to another of the
# victim's files, notes.txt, while the victim saves and changes the journal again and again. A
# save that checked one link's owner and followed the other's target would replace notes.txt,
# or write a copy or a temporary file beside it. Root acts as both users (setpriv); the race
# runs for RACE_SECONDS seconds (20 by default) and fails on any change to the victim's folder
# but those to the two files.
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
# A line that cannot be read, so that the first change keeps a copy of the journal.
printf 'heure;boisson;volume_cl;degre\nverre\n' | as "$victim" tee "$work/victim/sync/Soiree.csv" >/dev/null
for file in Defaut.dat Soiree.csv; do
    as "$victim" ln -s "$work/victim/sync/$file" "$work/shared/$file"
done
as "$attacker" ln -s "$work/victim/notes.txt" "$work/shared/x"
as "$attacker" ln -s "$work/victim/notes.txt" "$work/shared/y"
# Every entry of the victim's folder but the one the saves write to, and the notes' bytes.
victim_folder() {
    find "$work/victim" -mindepth 1 -maxdepth 1 ! -name sync -printf '%p %i %s %T@\n' | sort
    sha256sum <"$work/victim/notes.txt"
}
before=$(victim_folder)

cd "$work/shared"
as "$attacker" "$work/swap_links" x Defaut.dat "$seconds" >"$work/attacker.log" &
attacker_pid=$!
as "$attacker" "$work/swap_links" y Soiree.csv "$seconds" >"$work/attacker-journal.log" &
attacker_journal_pid=$!
as "$victim" "$work/save_loop" "$seconds" >"$work/victim.log"
wait "$attacker_pid"
wait "$attacker_journal_pid"

echo "link race, $seconds s: $(cat "$work/victim.log"); $(cat "$work/attacker.log"), $(cat "$work/attacker-journal.log")"
if [ "$(victim_folder)" != "$before" ]; then
    echo "FAIL: a save or a change of the journal wrote in the victim's folder" >&2
    diff <(echo "$before") <(victim_folder) >&2 || true
    exit 1
fi
if [ ! -f "$work/victim/sync/Soiree.csv.illisible" ]; then
    echo "FAIL: the journal's unreadable line was not kept" >&2
    exit 1
fi
echo "PASS: the victim's notes.txt and folder are as they were"
