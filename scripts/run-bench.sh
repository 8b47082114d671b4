#!/bin/sh
# Runs every benchmark program of a build; each prints "BENCH <name> <value> <unit>" lines.
set -eu
dir="$1"
for b in "$dir"/bench/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    # The feed's figures include the board's frames on a real X server, below.
    [ "$(basename "$b")" = bench_feed ] && continue
    # The room screen's figures need it beside the operator's screen, below.
    [ "$(basename "$b")" = bench_room ] && continue
    QT_QPA_PLATFORM=offscreen "$b"
done

# What is drawn, and how fast, on the platform of every Linux desktop: the scoreboard's frames
# again on a private 4K X server, where text takes another path than offscreen.
xvfb-run -a -s "-screen 0 3840x2160x24 -dpi 96 -noreset -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$dir/bench/bench_scoreboard"

# Memory over a long session on X as well, where fonts, glyphs and window resources take other
# paths than offscreen (one screen: F12 finds no projector there).
xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96 -noreset -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$dir/bench/bench_soak"

# The live feed: a key to a browser's DOM, the fan-out to 500 clients, and the board's frames with
# them connected against without, on a private 4K X server.
xvfb-run -a -s "-screen 0 3840x2160x24 -dpi 96 -noreset -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$dir/bench/bench_feed"

# F1 with a 20 MB help file on the same 4K X server: the help window's first frame, and the
# board's raises while the document is read beside it.
xvfb-run -a -s "-screen 0 3840x2160x24 -dpi 96 -noreset -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$dir/bench/bench_helpload"

# The room's 4K screen beside the operator's (the bench splits the X screen into the two monitors):
# a step to the frame with the lot's photo fetched ahead, the digits' frame while it is decoded, the
# memory of 1,000 steps through 24-megapixel photos, and a raise with the bid in eight currencies.
xvfb-run -a -s "-screen 0 5760x2160x24 -dpi 96 -noreset -nolisten tcp" \
    env QT_QPA_PLATFORM=xcb "$dir/bench/bench_room"
