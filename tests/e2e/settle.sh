#!/usr/bin/env bash
# Waits until the window named by the pattern has drawn itself: two screen
# captures of it in a row are the same (deadline 10 s).
set -euo pipefail
pattern=$1
id=$(xdotool search --name "$pattern" | head -1)
previous=""
deadline=$(( $(date +%s) + 10 ))
while [ "$(date +%s)" -lt "$deadline" ]; do
    current=$(import -window root -crop "$(xdotool getwindowgeometry --shell "$id" | awk -F= '/WIDTH|HEIGHT|^X|^Y/{v[$1]=$2} END{printf "%sx%s+%s+%s", v["WIDTH"], v["HEIGHT"], v["X"], v["Y"]}')" rgb:- 2>/dev/null | md5sum)
    [ "$current" = "$previous" ] && exit 0
    previous=$current
    sleep 0.2
done
