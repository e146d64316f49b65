// One running copy per user: the first copy holds a lock and listens on a
// local socket; a later copy finds the lock taken and asks the first, over
// the socket, to come to the front.
#pragma once

#include <string>

// The per-user folder for the lock and the socket: $XDG_RUNTIME_DIR when it
// is private to the user, else $TMPDIR/stellarion-UID (or /tmp/…), created
// and checked to be private; "" (no single-instance rule, with a note on
// stderr) when neither can be had.
std::string SingleInstanceFolder();
// True when this process now holds the lock, or when there is no folder to
// coordinate in (it is the running copy); *listener is then a non-blocking
// socket for later copies' requests, or -1.
bool SingleInstanceClaim(const std::string& folder, int* listener);
// Sends the running copy a request to come forward; false when none answers.
bool SingleInstanceRequestForward(const std::string& folder);
// True when a request to come forward has arrived on the listener. Never
// waits: a connection whose request is still on its way is kept for a later
// call.
bool SingleInstanceTakeRequest(int listener);
