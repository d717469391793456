#!/bin/sh
# Runs a command (the Windows tests under wine) with a battery of the tests' own: a folder
# shaped like /sys/class/power_supply, which wine reads for GetSystemPowerStatus, bound over
# that path in a private mount namespace. The tests change the battery by rewriting its files
# and find the folder in Q_STAGED_BATTERY; where the namespace cannot be made (not root, no
# unshare) the command runs without it and those tests skip with a message.
# Usage: staged-battery.sh <folder> <command...>
folder=$1
shift
rm -rf "$folder"
mkdir -p "$folder/AC" "$folder/BAT0" || exit 1
# On battery at 50 %: 4000000 µAh of 4000000 at 12 V (48000 mWh full), 1 A drawn.
printf 'Mains\n' >"$folder/AC/type"
printf '0\n' >"$folder/AC/online"
printf 'Battery\n' >"$folder/BAT0/type"
printf 'Discharging\n' >"$folder/BAT0/status"
printf '12000000\n' >"$folder/BAT0/voltage_now"
printf '4000000\n' >"$folder/BAT0/charge_full"
printf '2000000\n' >"$folder/BAT0/charge_now"
printf '1000000\n' >"$folder/BAT0/current_now"
if command -v unshare >/dev/null &&
  unshare -m sh -c 'mount --bind "$1" /sys/class/power_supply' sh "$folder" 2>/dev/null; then
  Q_STAGED_BATTERY=$folder exec unshare -m sh -c \
    'mount --bind "$Q_STAGED_BATTERY" /sys/class/power_supply && exec "$@"' sh "$@"
fi
echo "staged-battery.sh: no private mount namespace here; the staged battery's tests skip" >&2
exec "$@"
