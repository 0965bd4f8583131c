#!/usr/bin/env bash
# Checks that the game's Debian package installs with apt on a fresh Debian 12
# (bookworm) and that the installed game starts from its launcher's command.
#
# Usage: sudo tools/packaging/check-deb-install.sh PACKAGE.deb [WORK_FOLDER]
#
# WORK_FOLDER (default /tmp/deb-check) keeps between runs:
#   base/     a minimal bookworm made by debootstrap (made when missing)
#   harness/  base plus Xvfb and ImageMagick, the display and the camera (made when missing)
#   root/     a fresh copy of base that the package is installed into (remade every run)
#   *.log, pulled-packages.txt, launcher.png: what the last run saw
#
# The Debian mirrors are the ones this machine's apt uses (apt-cache policy);
# MIRROR=URL and SECURITY_MIRROR=URL override them. Needs root, debootstrap and
# the mirror. For people and release jobs, not CI: the first run takes minutes.
#
# The display runs in its own root because xvfb depends on libgl1: installed
# beside the game it would hand the game a GL library its package must pull itself.
set -euo pipefail

readonly suite=bookworm
readonly content_folder=/usr/share/quill-game/content
readonly save_file=LanternInn/profiles.sav
readonly user_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games

say() { echo "==> $*"; }
fail() {
    echo "FAIL: $*"
    exit 1
}
usage() {
    echo "usage: $0 PACKAGE.deb [WORK_FOLDER]" >&2
    exit 2
}

[[ $# -ge 1 && $# -le 2 ]] || usage
[[ $EUID -eq 0 ]] || fail "run as root (debootstrap, mount and chroot need it)"
deb=$(realpath -e -- "$1" 2>/dev/null) || fail "no such file: $1"
package=$(dpkg-deb --field "$deb" Package 2>/dev/null) || fail "not a Debian package: $1"
work=$(realpath -m -- "${2:-/tmp/deb-check}")
command -v debootstrap >/dev/null || fail "debootstrap is not installed (apt-get install debootstrap)"

base=$work/base
harness=$work/harness
root=$work/root
mkdir -p "$work"
exec 9>"$work/.lock"
flock -n 9 || fail "another check is using $work"

game_pid=
xvfb_pid=

# Children before parents, so a bind of /dev comes off with its submounts.
unmount_under() {
    local target
    awk -v under="$1/" 'index($2, under) == 1 { print $2 }' /proc/self/mounts | sort -ru | while read -r target; do
        umount -R "$target" 2>/dev/null || umount -l "$target" || true
    done
}

cleanup() {
    local pid
    for pid in $game_pid $xvfb_pid; do
        if kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid" 2>/dev/null || true
            sleep 1
            kill -KILL "$pid" 2>/dev/null || true
        fi
    done
    unmount_under "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted"; exit 130' INT TERM

# A mirror line of apt-cache policy: " 500 http://deb.debian.org/debian bookworm/main amd64 Packages".
mirror_of() {
    apt-cache policy 2>/dev/null | awk -v want="$1/main" '!found && $3 == want && $2 ~ /^https?:/ { print $2; found = 1 }'
}
mirror=${MIRROR:-$(mirror_of "$suite")}
security_mirror=${SECURITY_MIRROR:-$(mirror_of "$suite-security")}
[[ -n $mirror ]] || fail "this machine's apt has no $suite mirror; name one with MIRROR=URL"

# Reads one setting of this machine's apt configuration ("" when unset).
apt_setting() {
    local value=
    eval "$(apt-config shell value "$1")"
    echo "$value"
}
# debootstrap fetches through the proxy apt would use.
if [[ -z ${http_proxy:-} && -n $(apt_setting Acquire::http::Proxy) ]]; then
    export http_proxy
    http_proxy=$(apt_setting Acquire::http::Proxy)
fi

mount_root() {
    mount -t proc proc "$1/proc"
    mount -t sysfs sysfs "$1/sys"
    mount --rbind /dev "$1/dev"
    # Unmounting must not reach back into the host's /dev.
    mount --make-rslave "$1/dev"
}

# apt in a root asks the mirrors as this machine's apt does: same sources and,
# for a mirror serving a dated snapshot, the same relaxed date checks.
configure_apt() {
    local setting value
    {
        echo "deb $mirror $suite main"
        echo "deb $mirror $suite-updates main"
        if [[ -n $security_mirror ]]; then
            echo "deb $security_mirror $suite-security main"
        fi
    } >"$1/etc/apt/sources.list"
    : >"$1/etc/apt/apt.conf.d/90host"
    for setting in Acquire::Check-Valid-Until Acquire::Check-Date Acquire::http::Proxy; do
        value=$(apt_setting "$setting")
        if [[ -n $value ]]; then
            echo "$setting \"$value\";" >>"$1/etc/apt/apt.conf.d/90host"
        fi
    done
    cp -L /etc/resolv.conf "$1/etc/resolv.conf"
}

in_root() {
    local dir=$1
    shift
    chroot "$dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# --- The fresh system -------------------------------------------------------

if [[ ! -e $base/.complete ]]; then
    say "Making a minimal $suite in $base from $mirror (debootstrap, a few minutes)"
    unmount_under "$base.partial"
    rm -rf --one-file-system "$base.partial"
    started=$SECONDS
    debootstrap --variant=minbase "$suite" "$base.partial" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        fail "debootstrap failed; see $work/debootstrap.log"
    touch "$base.partial/.complete"
    mv "$base.partial" "$base"
    say "debootstrap took $((SECONDS - started)) s"
fi

if [[ ! -e $harness/.complete ]]; then
    say "Making the display root $harness (Xvfb, ImageMagick)"
    unmount_under "$harness.partial"
    rm -rf --one-file-system "$harness.partial"
    cp -a "$base" "$harness.partial"
    rm "$harness.partial/.complete"
    configure_apt "$harness.partial"
    mount_root "$harness.partial"
    started=$SECONDS
    in_root "$harness.partial" sh -c 'apt-get update && apt-get install -y --no-install-recommends xvfb imagemagick' \
        >"$work/harness.log" 2>&1 || fail "the display root could not be made; see $work/harness.log"
    unmount_under "$harness.partial"
    touch "$harness.partial/.complete"
    mv "$harness.partial" "$harness"
    say "the display root took $((SECONDS - started)) s"
fi

# A failing run must not leave the last run's findings behind.
rm -f "$work"/{install,game,autoplay,xvfb}.log "$work"/{packages-before,packages-after,pulled-packages}.txt \
    "$work/launcher.png"

say "Copying the fresh $suite to $root"
unmount_under "$root"
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
rm "$root/.complete"
configure_apt "$root"
mount_root "$root"
mount_root "$harness"

# --- The install ------------------------------------------------------------

installed_packages() {
    # shellcheck disable=SC2016 # dpkg-query's own field syntax
    in_root "$root" dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}
installed_packages >"$work/packages-before.txt"
cp "$deb" "$root/tmp/"
say "apt-get install ./$(basename "$deb") in the fresh root"
started=$SECONDS
in_root "$root" sh -c "cd /tmp && apt-get update && apt-get install -y './$(basename "$deb")'" \
    >"$work/install.log" 2>&1 || {
    tail -n 15 "$work/install.log"
    fail "apt could not install the package; see $work/install.log"
}
install_seconds=$((SECONDS - started))
installed_packages >"$work/packages-after.txt"
comm -13 "$work/packages-before.txt" "$work/packages-after.txt" >"$work/pulled-packages.txt"
grep -qx "$package" "$work/pulled-packages.txt" || fail "apt finished but $package is not installed"
pulled=$(($(wc -l <"$work/pulled-packages.txt") - 1))
say "installed $package and $pulled packages it needs in $install_seconds s (list: $work/pulled-packages.txt)"

# --- The launcher's command -------------------------------------------------

# Reads the whole list: a reader stopping early would fail the pipe.
launcher=$(in_root "$root" dpkg -L "$package" |
    awk '!found && /^\/usr\/share\/applications\/.*\.desktop$/ { print; found = 1 }')
[[ -n $launcher ]] || fail "$package installs no launcher in /usr/share/applications"
exec_line=$(awk '/^\[/ { group = $0 } group == "[Desktop Entry]" && /^Exec=/ { sub(/^Exec=/, ""); print; exit }' \
    "$root$launcher")
[[ -n $exec_line ]] || fail "$launcher has no Exec= line"
# Started with no files, a desktop drops the file and URL field codes.
command_line=$(sed -E ':a; s/(^| )%[fFuUdDnNvm]( |$)/\1\2/; ta; s/  +/ /g; s/ $//' <<<"$exec_line")
if grep -q '%[^%]' <<<"${command_line//%%/}"; then
    fail "the launcher's command \"$exec_line\" uses a field code this check does not expand"
fi
command_line=${command_line//%%/%}
program=${command_line%% *}
say "launcher $launcher runs: $command_line"
in_root "$root" env PATH="$user_path" sh -c "command -v '$program'" >/dev/null ||
    fail "\"$program\" is not on a user's PATH ($user_path)"
missing=$(in_root "$root" env PATH="$user_path" sh -c "ldd \"\$(command -v '$program')\"" | grep 'not found' || true)
[[ -z $missing ]] || fail "libraries the package did not pull: $(tr -s ' \t\n' ' ' <<<"$missing")"

in_root "$root" useradd --create-home player

# --- The display ------------------------------------------------------------

display=
for n in $(seq 150 250); do
    if ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix && [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=$n
        break
    fi
done
[[ -n $display ]] || fail "no free X display number between 150 and 250"
rm -rf "$harness/tmp/.X11-unix" "$harness"/tmp/.X*-lock "$root/tmp/.X11-unix"
mkdir -m 1777 "$harness/tmp/.X11-unix" "$root/tmp/.X11-unix"
mount --bind "$harness/tmp/.X11-unix" "$root/tmp/.X11-unix"
# -noreset: SDL opens the display twice, and a server resetting when its last
# client leaves refuses the second open now and then.
chroot "$harness" /usr/bin/env -i PATH=/usr/bin:/bin Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp \
    -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [[ -S $harness/tmp/.X11-unix/X$display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.2
done
[[ -S $harness/tmp/.X11-unix/X$display ]] || fail "Xvfb did not start on :$display; see $work/xvfb.log"
say "Xvfb on :$display"

# --- The game ---------------------------------------------------------------

# Starts the launcher's command as a player would, from another folder, with
# extra arguments appended; the pid is the game's own (every step execs).
start_game() {
    local appdata=$1 log=$2
    shift 2
    in_root "$root" mkdir -p "$appdata"
    in_root "$root" chown player:player "$appdata"
    chroot --userspec=player:player "$root" /usr/bin/env -i HOME=/home/player USER=player \
        PATH="$user_path" LANG=C.UTF-8 DISPLAY=":$display" APPDATA="$appdata" \
        SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 \
        sh -c "cd /tmp && exec $command_line $*" >"$log" 2>&1 &
    game_pid=$!
}

game_failed() {
    tail -n 15 "$1"
    fail "$2; see $1"
}

# Waits for a line in the game's log while the game runs.
wait_for_line() {
    local log=$1 pattern=$2 seconds=$3
    local deadline=$((SECONDS + seconds))
    until grep -q -- "$pattern" "$log"; do
        kill -0 "$game_pid" 2>/dev/null || game_failed "$log" "the game ended before \"$pattern\""
        ((SECONDS < deadline)) || game_failed "$log" "no \"$pattern\" within $seconds s"
        sleep 0.2
    done
}

# Sets exit_code to the game's once it has ended, to 124 after a time limit.
# Not in a subshell: only this shell can wait for the game.
wait_for_exit() {
    local deadline=$((SECONDS + $1))
    exit_code=0
    while kill -0 "$game_pid" 2>/dev/null; do
        if ((SECONDS >= deadline)); then
            exit_code=124
            return
        fi
        sleep 0.2
    done
    wait "$game_pid" || exit_code=$?
    game_pid=
}

appdata=/home/player/launcher
log=$work/game.log
say "Starting \"$command_line\" from /tmp as player, APPDATA=$appdata"
started=$SECONDS
start_game "$appdata" "$log"
wait_for_line "$log" "Name entry open" 120
say "the game asks for a name after $((SECONDS - started)) s"
startup=$(grep -m 1 '^Content folder: ' "$log" || true)
say "its start-up line: $startup"
[[ $startup == "Content folder: $content_folder; save folder: $appdata/LanternInn" ]] ||
    fail "the start-up line should name $content_folder and $appdata/LanternInn"

# A blank or black window has a handful of colours; the game's screens thousands.
colours=0
for _ in $(seq 10); do
    rm -f "$harness/tmp/launcher.png"
    chroot "$harness" /usr/bin/env -i PATH=/usr/bin:/bin DISPLAY=":$display" \
        import -window root /tmp/launcher.png 2>>"$work/xvfb.log" || true
    if [[ -s $harness/tmp/launcher.png ]]; then
        cp "$harness/tmp/launcher.png" "$work/launcher.png"
        colours=$(chroot "$harness" identify -format '%k' /tmp/launcher.png) || colours=0
        if ((colours >= 1000)); then
            break
        fi
    fi
    sleep 1
done
((colours >= 1000)) || fail "the screen shows $colours colours, not the game; see $work/launcher.png"
say "screenshot $work/launcher.png: $colours colours"

kill -TERM "$game_pid"
wait_for_exit 30
[[ $exit_code == 0 ]] || game_failed "$log" "the game ended with code $exit_code after SIGTERM, not 0"
[[ -s $root$appdata/$save_file ]] || fail "no save file $appdata/$save_file after the game ended"
say "SIGTERM ended it with code 0 and it saved $appdata/$save_file"

# The whole game played from the installed content, as fast as it draws.
appdata=/home/player/autoplay
log=$work/autoplay.log
say "Playing the game through: \"$command_line --autoplay --fixed-step --draw-every 100\""
started=$SECONDS
start_game "$appdata" "$log" --autoplay --fixed-step --draw-every 100
wait_for_exit 600
[[ $exit_code == 0 ]] || game_failed "$log" "the automated play ended with code $exit_code, not 0"
grep -q '^Autoplay: screen [0-9]*: Scene1 ' "$log" || game_failed "$log" "the automated play never reached Scene1"
say "played to its end in $((SECONDS - started)) s: $(grep -m 1 '^Autoplay: [0-9]* screens' "$log" || true)"

echo "PASS: $(basename "$deb") installs on a fresh Debian 12 with $pulled packages it pulls itself ($install_seconds s) and its launcher command \"$command_line\" starts the game; screenshot $work/launcher.png"
