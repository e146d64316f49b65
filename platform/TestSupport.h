// System operations the tests use to set up faults and other users, so that
// the tests themselves touch no system interface. Linked into the tests
// only.
#pragma once

#include <string>

// True when this process may act as another user (it runs as root).
bool CanSwitchUsers();
// Runs work(argument) in a child process as the unprivileged user "nobody"
// (uid and gid 65534); true when the child could switch and work returned
// true.
bool RunAsOtherUser(bool (*work)(const std::string&), const std::string& argument);
// Runs work() in `copies` child processes at the same time; true when every
// one returned true.
bool RunConcurrently(int copies, bool (*work)());

int CurrentUser();
int CurrentProcessId();
// The owner of the entry itself (a symlink is not followed); -1 when there
// is none.
int OwnerOf(const std::string& path);
bool MakeFifo(const std::string& path);

// Connects to the single-instance socket in `folder` and sends nothing; the
// descriptor, or -1.
int OpenIdleConnection(const std::string& folder);
void CloseConnection(int fd);
