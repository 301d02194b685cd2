#!/usr/bin/env bash
# Drives Sobrimetre on a real X display as a person would, and checks what the person sees (the
# colours of the result widgets in screenshots), the bytes of Defaut.dat and the page printed from
# the curve window.
#
# The run starts its own Xvfb, and its own CUPS scheduler whose default printer writes PDF files
# (cups-pdf); it runs the built program in a fresh folder, types and clicks with xdotool and reads
# pixels with screen_probe; close_window stands in for a window manager's close button. Whatever
# it starts is stopped on exit. The screenshots stay in BUILD/e2e/ for a look after a failure.
# Usage: tests/e2e/run.sh [build folder]   (default: build)
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
program=$build/src/app/sobrimetre
probe=$build/tests/e2e/screen_probe
close_window=$build/tests/e2e/close_window
sudo=$([ "$(id -u)" = 0 ] || echo sudo)
for tool in "$program" "$probe" "$close_window"; do
    [ -x "$tool" ] || { echo "missing $tool: build first" >&2; exit 2; }
done

work=$(mktemp -d /tmp/sobrimetre-e2e.XXXXXX)
shots=$build/e2e
rm -rf "$shots" && mkdir -p "$shots"
folder=$work/folder            # the program's current directory, where Defaut.dat goes
mkdir -p "$folder" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
started_at=$(date +%s)

xvfb_pid="" cupsd_pid="" program_pid="" printed=() pdf_folder_made=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$cupsd_pid" ] && $sudo kill "$cupsd_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    for pdf in "${printed[@]}"; do $sudo rm -f "$pdf"; done
    [ -n "$pdf_folder_made" ] && $sudo rmdir "$pdf_folder_made" 2>/dev/null
    # What the program said, kept beside the screenshots for a failed run.
    [ -f "$work/program.log" ] && cp "$work/program.log" "$shots/program.log"
    [ -f "$work/xvfb.log" ] && cp "$work/xvfb.log" "$shots/xvfb.log"
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=checks.sh
source "$here/checks.sh"
# shellcheck source=x11_windows.sh
source "$here/x11_windows.sh"

# ---------------------------------------------------------------------------------------------
# The display and the printer. Xvfb must not reset when its last client leaves: a program
# started at that moment could not connect.

Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_until 10 test -s "$work/display" || give_up "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
wait_until 10 xdotool getdisplaygeometry >/dev/null 2>&1

# A scheduler of our own, whatever the machine runs: its files and socket stay in $work. The
# cups-pdf backend runs as root, so the scheduler does too.
cups=$work/cups
mkdir -p "$cups"/{spool,tmp,state,cache,log}
chmod 755 "$work" && chmod -R 755 "$cups"   # the filters run as user lp ...
chmod 1777 "$cups/tmp"                      # ... and write their files there
cat >"$cups/cups-files.conf" <<EOF
ServerRoot $cups
RequestRoot $cups/spool
TempDir $cups/tmp
StateDir $cups/state
CacheDir $cups/cache
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
Printcap $cups/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF
# The scheduler keeps each job's document as the program sent it, in $cups/spool/d*: the
# cups-pdf printer rewrites the page through Ghostscript, whose fonts no longer map to text.
cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
LogLevel info
PreserveJobFiles Yes
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
$sudo /usr/sbin/cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" \
    >"$cups/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$cups/cups.sock
scheduler_runs() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
wait_until 10 scheduler_runs || give_up "the CUPS scheduler did not start" "$cups/log"
lpadmin -p PDF -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>"$cups/log/lpadmin" &&
    lpadmin -d PDF 2>>"$cups/log/lpadmin" || give_up "cannot add the PDF printer" "$cups/log"

# Where cups-pdf writes the files of our user: the Out folder of its configuration.
user=$(id -un)
user_home=$(getent passwd "$user" | cut -d: -f6)
pdf_folder=$(awk '$1 == "Out" { print $2 }' /etc/cups/cups-pdf.conf 2>/dev/null)
pdf_folder=${pdf_folder:-/var/spool/cups-pdf/\$\{USER\}}
pdf_folder=${pdf_folder//\$\{HOME\}/$user_home}
pdf_folder=${pdf_folder//\$\{USER\}/$user}
$sudo test -d "$pdf_folder" || pdf_folder_made=$pdf_folder

# ---------------------------------------------------------------------------------------------
# The program and its windows

# A French desktop, as the program's users have.
start_program() {
    (cd "$folder" && exec env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb LANG=fr_FR.UTF-8 "$program") >>"$work/program.log" 2>&1 &
    program_pid=$!
}

size_of() { # WIDTHxHEIGHT of a window in pixels
    local WIDTH=0 HEIGHT=0 X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
    echo "${WIDTH}x$HEIGHT"
}
has_windows() { [ -n "$(visible_windows)" ]; }
is_visible() { visible_windows | grep -qx "$1"; }
is_gone() { ! is_visible "$1"; }
has_no_window_named() { [ -z "$(windows_named "$1")" ]; }
program_ended() { # gone, or ended and not yet reaped
    ! kill -0 "$program_pid" 2>/dev/null || grep -q '^[0-9]* (.*) Z' "/proc/$program_pid/stat" 2>/dev/null
}

press() { focus "$main"; xdotool key "$@"; }

# ---------------------------------------------------------------------------------------------
# What a person sees: colours of pixels of the main window's client area

shot_number=0
# expect_look "what it proves" X,Y=RRGGBB|X,Y~RRGGBB|X,Y!RRGGBB ...
# = the exact colour, ~ a colour within a few steps (pictures drawn with smoothing), ! not that
# colour. The screen is grabbed again until every point matches or three seconds have passed.
expect_look() {
    local what=$1; shift
    shot_number=$((shot_number + 1))
    local shot limit X=0 Y=0
    shot=$shots/$(printf '%02d' "$shot_number")-$(echo "$what" | tr -cs 'A-Za-z0-9' '-' | cut -c1-60).png
    limit=$(($(now_ms) + 3000))
    eval "$(client_origin "${looking_at:-$main}")"
    while :; do
        "$probe" grab "$shot" 2>/dev/null
        local points=() check
        for check in "$@"; do
            local xy=${check%%[=~!]*}
            points+=("$((X + ${xy%,*})),$((Y + ${xy#*,}))")
        done
        local seen mismatch="" i=0
        seen=$("$probe" pixels "$shot" "${points[@]}" 2>/dev/null) || seen=""
        for check in "$@"; do
            i=$((i + 1))
            local xy=${check%%[=~!]*} got
            local wanted=${check#"$xy"}
            got=$(sed -n "${i}p" <<<"$seen")
            case $wanted in
                =*) [ "$got" = "${wanted:1}" ] ;;
                ~*) near "$got" "${wanted:1}" ;;
                !*) [ -n "$got" ] && [ "$got" != "${wanted:1}" ] ;;
            esac || mismatch="$mismatch $xy is ${got:-unknown} (wanted $wanted)"
        done
        if [ -z "$mismatch" ]; then pass "$what"; return; fi
        if [ "$(now_ms)" -ge "$limit" ]; then fail "$what:$mismatch; see $shot"; return; fi
        sleep 0.2
    done
}

near() { # each of red, green and blue within 24 steps
    [ ${#1} = 6 ] || return 1
    local c
    for c in 0 2 4; do
        local d=$((16#${1:c:2} - 16#${2:c:2}))
        [ "${d#-}" -le 24 ] || return 1
    done
}

# Pixels of the main window, from its layout in twips (15 twips a pixel).
level_box=244,272                # inside the border of Alcoolémie (3600, 4035)
red_lamp=555,41 amber_lamp=555,49 green_lamp=555,57   # the lamps of the lights at 8070, 480
skid_sign=543,248                # Alerte1 at 8040, 3480: its yellow diamond
stop_sign=552,199                # Alerte2 at 8040, 2880: its red octagon
wheelchair_sign=540,154          # Alerte3 at 8040, 2160: its black square
bar_x=591                        # a column of Colonne (7650 wide 1280) clear of the scale's texts

# The bar's bottom stays at 4500 twips and it grows 2295 twips per g/l, up to 4230: a pixel inside
# its top and its foot are green, three pixels above its top are not. A level of 0 leaves no
# bar; the blank result puts back the resting bar, one pixel high at the top of 4500.
bar_points() { # bar_points level|rest
    if [ "$1" = rest ]; then
        echo "$bar_x,300=00FF00 $bar_x,299!00FF00"
        return
    fi
    local top
    top=$(awk -v level="$1" 'BEGIN { h = level > 1.83 ? 4230 : level * 2295;
                                     printf "%d", h < 15 ? -1 : (4500 - h) / 15 + 0.5 }')
    if [ "$top" = -1 ]; then
        echo "$bar_x,299!00FF00 $bar_x,300!00FF00"
    else
        echo "$bar_x,$((top + 1))=00FF00 $bar_x,299=00FF00 $bar_x,$((top - 3))!00FF00"
    fi
}

# The whole result display for a level: background of the level, lit lamp, alert signs, bar.
expect_result() { # expect_result "what it proves" level|rest
    local level=${2/rest/0} background lamps alerts
    case $(awk -v l="$level" 'BEGIN { print (l < 0.3 ? "green" : l < 0.5 ? "yellow" : l < 0.8 ? "red" : "severe") }') in
        green) background=80FF80 lamps="$green_lamp~2FD05A $amber_lamp!FFB400 $red_lamp!FF3B30" ;;
        yellow) background=FFFF00 lamps="$amber_lamp~FFB400 $green_lamp!2FD05A $red_lamp!FF3B30" ;;
        red) background=FF0000 lamps="$red_lamp~FF3B30 $green_lamp!2FD05A $amber_lamp!FFB400" ;;
        severe) background=000000 lamps="$red_lamp~FF3B30 $green_lamp!2FD05A $amber_lamp!FFB400" ;;
    esac
    alerts="$skid_sign$(awk -v l="$level" 'BEGIN { print (l >= 0.3 ? "~" : "!") }')FFD21F"
    alerts+=" $stop_sign$(awk -v l="$level" 'BEGIN { print (l >= 0.5 ? "~" : "!") }')C8102E"
    alerts+=" $wheelchair_sign$(awk -v l="$level" 'BEGIN { print (l >= 0.8 ? "~" : "!") }')111111"
    # shellcheck disable=SC2086 # the lists split into points on purpose
    expect_look "$1" "$level_box=$background" $lamps $alerts $(bar_points "$2")
}

# ---------------------------------------------------------------------------------------------
# Defaut.dat

defaults=$folder/Defaut.dat
file_size() { stat -c %s "$1" 2>/dev/null; }
size_is() { [ "$(file_size "$1")" = "$2" ]; }
record_bytes() { # record_bytes record count: the leading bytes of a record, in hexadecimal
    od -An -v -tx1 -j $((($1 - 1) * 128)) -N "$2" "$defaults" | tr -d ' \n'
}
same_file() { cmp -s "$1" "$2"; }

# ---------------------------------------------------------------------------------------------
# The run. Weight 70 kg, a man of normal build, no meal, wine glasses of 12 cl at 11 degrees:
# two glasses give 0,43 g/l, three 0,65 g/l; with two beers of 25 cl at 5 degrees, 1,05 g/l.

echo "== first start in an empty folder"
start_program
launched=$(now_ms)
wait_until 10 has_windows
splash=$(visible_windows | head -n 1)
check "a window opens at start" test -n "$splash"
check "the first window is the splash, 3735 by 2400 twips" test "$(size_of "$splash")" = 249x160
wait_until 10 has_window_named Sobrimetre
main=$(windows_named Sobrimetre | head -n 1)
shown_after=$(($(now_ms) - launched))
check "the main window opens about one second after the start (${shown_after} ms)" \
    test "$shown_after" -ge 900 -a "$shown_after" -le 6000
check "the splash window is gone once the main window shows" wait_until 3 is_gone "$splash"
# Docks match the window to the menu entry by the class of its WM_CLASS property.
entry_class=$(awk -F= '$1 == "StartupWMClass" { print $2 }' \
    "$here/../../packaging/org.sobrimetre.Sobrimetre.desktop.in")
window_class=$(xprop -id "$main" WM_CLASS 2>/dev/null | sed -n 's/.*, "\(.*\)"$/\1/p')
check "the main window's class is the menu entry's StartupWMClass ($window_class)" \
    test -n "$entry_class" -a "$window_class" = "$entry_class"
check "start-up creates an empty Defaut.dat in the current folder" wait_until 3 size_is "$defaults" 0
expect_result "the blank result: 0,00 on light green, green light, no alert, bar at rest" rest

press ctrl+r
check "restoring the factory values leaves Defaut.dat alone" size_is "$defaults" 0
press alt+p
xdotool type --delay 60 70
expect_result "weight 70 typed, nothing drunk: 0,00 on light green, no bar" 0
click_at "$main" 332 160
click_at "$main" 332 160
expect_result "two clicks on the wine: 0,43 g/l, yellow, skid sign, bar to 0,43" 0.43102
click_at "$main" 332 160
expect_result "a third glass of wine: 0,65 g/l, red, stop sign, bar to 0,65" 0.64653
click_at "$main" 220 201
xdotool type --delay 60 2
expect_result "two beers typed into their count: 1,05 g/l, black, wheelchair sign" 1.05469

press ctrl+s
check "Ctrl+S saves Defaut.dat as 16 records of 128 bytes" wait_until 3 size_is "$defaults" 2048
while read -r record bytes expected meaning; do
    check "record $record of Defaut.dat holds $meaning" test "$(record_bytes "$record" "$bytes")" = "$expected"
done <<'EOF'
1 6 373020202020 the weight 70 padded with blanks
2 2 0100 sex code 1, man
3 2 0100 corpulence code 1, normal
4 2 0000 meal code 0, no meal
5 6 313220202020 the cocktail volume 12
8 6 352020202020 the beer degree 5
11 6 313220202020 the wine volume 12
12 6 313120202020 the wine degree 11
16 6 313220202020 the champagne degree 12
EOF
cp "$defaults" "$work/saved.dat"

press ctrl+q
check "Ctrl+Q ends the program at once" wait_until 3 program_ended
wait "$program_pid"
status=$?
program_pid=""
check "the program ends with status 0" test "$status" = 0
check "quitting saves nothing" same_file "$defaults" "$work/saved.dat"

echo "== second start in the same folder"
start_program
wait_until 10 has_window_named Sobrimetre
main=$(windows_named Sobrimetre | head -n 1)
check "the main window opens again" test -n "$main"
expect_result "the saved values come back with a blank result" rest
check "start-up reads Defaut.dat without changing it" same_file "$defaults" "$work/saved.dat"
for _ in 1 2 3; do click_at "$main" 332 160; done
expect_result "three glasses of wine with the saved weight, sex and wine: red" 0.64653

press F2
expect_result "F2 reloads the saved values and blanks the result" rest
for _ in 1 2; do click_at "$main" 332 160; done
expect_result "after F2 the counts start again from none: two glasses, yellow" 0.43102
check "reloading leaves Defaut.dat unchanged" same_file "$defaults" "$work/saved.dat"

echo "== curve window and printing"
press ctrl+g
other_window_named() { windows_named "$1" | grep -vx "$main" | head -n 1; }
has_curve() { [ -n "$(other_window_named Sobrimetre)" ]; }
wait_until 5 has_curve
curve=$(other_window_named Sobrimetre)
check "Ctrl+G opens the curve window" test -n "$curve"
# 0,43 g/l shown and a delay of 1 hour: the rise ends at 960, 5640 - 2400 * 0.43 twips, pixel
# 64, 307; the lines leave out their end pixels, so the tip shows one pixel lower.
looking_at=$curve expect_look "the curve rises to 0,43 g/l one hour after the last drink" \
    64,308=000000 64,305!000000
touch "$work/before-printing"
click_at "$curve" 596 20
find_printed() {
    mapfile -t printed < <($sudo find "$pdf_folder" /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 \
        -name '*.pdf' -newer "$work/before-printing" 2>/dev/null)
    [ "${#printed[@]}" -gt 0 ] && $sudo test -s "${printed[0]}" && ! lpstat -o 2>/dev/null | grep -q .
}
check "the print button sends a page to the default printer, which writes a PDF" wait_until 40 find_printed
if [ "${#printed[@]}" -gt 0 ]; then
    $sudo cat "${printed[0]}" >"$shots/printed.pdf"
    check "the printout is a PDF of one page" \
        test "$(pdfinfo "$shots/printed.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')" = 1
    check "the printout is an A4 page" \
        grep -q '^Page size:.*(A4)' <(pdfinfo "$shots/printed.pdf" 2>/dev/null)
    sent=$($sudo find "$cups/spool" -maxdepth 1 -name 'd*' -newer "$work/before-printing" | head -n 1)
    [ -n "$sent" ] && $sudo cat "$sent" >"$shots/sent.pdf"
    pdftotext -layout "$shots/sent.pdf" "$shots/printed.txt" 2>/dev/null
    page_says() { grep -q -- "$1" "$shots/printed.txt"; }
    check "the page sent to the printer has its title, in text" \
        page_says "Sobrimetre : estimation de l'alcoolémie"
    check "the page gives the weight as entered, 70 kg" page_says "70 kg"
    check "the page gives the level shown, 0,43 g/l" page_says "0,43 g/l"
    pdftoppm -r 96 -png -singlefile "$shots/printed.pdf" "$shots/printed-page" 2>/dev/null
    ink=$("$probe" dark "$shots/printed-page.png" 2>/dev/null || echo 0)
    check "the printed page carries the axes, labels and curve ($ink dark pixels)" test "$ink" -ge 500
fi
looking_at=$curve expect_look "the print button shows again after printing" 587,20~8A929C
focus "$curve"
xdotool key Escape
still_open_a_moment_later() { sleep 0.5; is_visible "$1"; }
check "Escape leaves the curve window open" still_open_a_moment_later "$curve"
"$close_window" "$curve"
check "the close button of the window system closes the curve window" wait_until 3 is_gone "$curve"

echo "== factory values, help and quitting"
press ctrl+r
expect_result "Ctrl+R restores the factory values and blanks the result" rest
check "restoring leaves Defaut.dat unchanged" same_file "$defaults" "$work/saved.dat"
click_at "$main" 332 160
check "a glass with no weight (factory values) brings the weight warning" \
    wait_until 3 has_window_named "Attention !"
focus "$(windows_named "Attention !" | head -n 1)"
xdotool key Return
check "Return closes the warning" wait_until 3 has_no_window_named "Attention !"

press F1
check "F1 opens the first help page" wait_until 3 has_window_named "Notice : page 1"
press ctrl+q
check "Ctrl+Q ends the program with the help page open" wait_until 3 program_ended
wait "$program_pid"
program_pid=""

echo "== a FIFO named Defaut.dat"
rm -f "$defaults" && mkfifo "$defaults"
start_program
launched=$(now_ms)
wait_until 10 has_window_named Sobrimetre
main=$(windows_named Sobrimetre | head -n 1)
shown_after=$(($(now_ms) - launched))
check "the main window opens as usual before a FIFO named Defaut.dat (${shown_after} ms)" \
    test -n "$main" -a "$shown_after" -le 6000
check "the FIFO is left as it was" test -p "$defaults"
press ctrl+q
check "Ctrl+Q ends the program" wait_until 3 program_ended
wait "$program_pid"
program_pid=""

# Without the notices of a display that has no window manager ("This plugin does not support
# propagateSizeHints()"), which every run prints.
[ "$failed" = 0 ] || {
    echo "-- what the program wrote:"
    grep -v '^This plugin does not support ' "$work/program.log"
}
echo "e2e run took $(($(date +%s) - started_at)) s; screenshots in $shots"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
