#pragma once

// Sends what Qt has queued for the window system (a new title, say) without running the event
// loop. Needed where a handler works for long without returning to the loop.
void flushWindowSystem();
