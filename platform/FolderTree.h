#pragma once

#include "platform/Platform.h"

#include <QByteArray>

namespace tolvane {

// Walks and removes folders by the bytes of their names, so a name that is not UTF-8 is listed
// as it is and removed like any other.
class FolderTree
{
  public:
    // Regular files (hidden ones too) and visible sub-folders, links followed; a link that leads
    // nowhere, a FIFO or a device is left out. Names are decoded with nativename.
    static FolderListing list(const QByteArray &folder);
    // Deletes the folder with everything in it. Links inside go as links, never followed; a
    // folder path that is itself a link is refused, so nothing it leads to is deleted.
    static bool remove(const QByteArray &folder);
};

} // namespace tolvane
