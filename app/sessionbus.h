#pragma once

// Qt connects to the session bus from the thread that builds the window, and
// waits for it without a bound: a bus that takes the connection and never
// answers would keep the window from ever appearing. Where the session bus
// does not answer within a second, says so in one line and points the
// program's session bus at none, so that every use of it fails at once.
void avoidSilentSessionBus();
