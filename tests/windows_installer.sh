#!/bin/sh

# SPDX-FileCopyrightText: 2026 Parliament quiz developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Windows installer given as $1 silently into the Wine prefix, as
# a school's IT would roll it out; checks the program and its Start-menu
# entry, starts the installed program and waits for its window, then
# uninstalls silently and checks that nothing is left.
set -eu
title="География - страна, парламент"
drive=$WINEPREFIX/drive_c
program="$drive/Program Files/parliament-quiz/parliament-quiz.exe"
link="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$title.lnk"

wine "$1" /S
wineserver --wait
for installed in "$program" "$link"; do
    [ -e "$installed" ] || { echo "not installed: $installed"; exit 1; }
done

wine "$program" >/dev/null 2>&1 &
shown=no
for _ in $(seq 30); do
    if xwininfo -root -tree | grep -q "$title"; then
        shown=yes
        break
    fi
    sleep 1
done
kill -0 $! 2>/dev/null || { echo "the installed program ended"; exit 1; }
wineserver --kill
[ "$shown" = yes ] || { echo "the installed program showed no window"; exit 1; }
echo "installed silently, started, window shown: $program"

wine "$drive/Program Files/parliament-quiz/uninstall.exe" /S
# The uninstaller runs on from a copy of itself.
sleep 2
wineserver --wait
for installed in "$program" "$link"; do
    [ ! -e "$installed" ] || { echo "left behind: $installed"; exit 1; }
done
echo "uninstalled silently"
