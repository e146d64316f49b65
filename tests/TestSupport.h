// System operations the tests and tools use to set up faults, other users
// and child processes, so that they themselves touch no system interface.
// Linked into the tests and the screen tour only.
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

// Runs work() in a child process; its result as the child's exit status
// (0 … 255), or -1 when the child could not run or did not exit.
int RunInChild(int (*work)());
// The exit status in what std::system returned, or -1 when the command
// did not exit.
int CommandExitStatus(int systemResult);

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
