#pragma once

#include <QString>

#include <functional>
#include <optional>

// Asks whether a folder can be read before the window thread touches it: a network or
// user-space volume that has stopped answering holds whoever asks it, for good.
struct FolderProbe
{
    int waitMs = 1500;
    // Runs on the asking thread just before it asks. A hook that never returns stands in for a
    // volume that never answers.
    std::function<void()> asking;
};

// Whether `folder` can be read, asked on a thread of its own; nothing when no answer came within
// the wait. A thread given up on ends by itself, and its answer is dropped.
std::optional<bool> folderReadable(const QString &folder, const FolderProbe &probe = {});
