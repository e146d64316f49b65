// One running copy per user: the first copy holds a lock and listens on a
// local socket; a later copy finds the lock taken and asks the first, over
// the socket, to come to the front.
#pragma once

#include <string>

// The per-user folder for the lock and the socket.
std::string SingleInstanceFolder();
// True when this process now holds the lock (it is the running copy);
// *listener is then a non-blocking socket for later copies' requests.
bool SingleInstanceClaim(const std::string& folder, int* listener);
// Sends the running copy a request to come forward; false when none answers.
bool SingleInstanceRequestForward(const std::string& folder);
// True when a request to come forward has arrived on the listener.
bool SingleInstanceTakeRequest(int listener);
