#pragma once

#include <functional>
#include <string>

// What a loader or saver must refuse instead of a plain file. The device is made here, with the
// numbers of an endless zero source, so no test ever touches a real device node.
enum class NodeKind { Pipe, Device, Folder };

// False where the process may not make it (a device node without the privilege).
bool MakeNode(NodeKind kind, const std::string& path);

// What is at the path, links not followed: "file", "link", "pipe", "device", "folder" or "none".
std::string NodeAt(const std::string& path);

// Runs `load` and tells whether it waited on `pipe` for a writer. A load still waiting after a
// few seconds is freed by opening and closing the writing end, so it fails its test instead of
// hanging it.
bool WaitedOnPipe(const std::string& pipe, const std::function<void()>& load);
