#pragma once

// The program's own top-level windows (the scoreboard, the title, the results, help, the room's
// screen) are plain widgets, which Qt presents to assistive technology as an unnamed "filler".
// Installed once, this presents them as frames, so that a screen reader says the window's title
// when it becomes active and knows where one window ends. Any number of calls.
namespace WindowAccessible {
void Install();
} // namespace WindowAccessible
