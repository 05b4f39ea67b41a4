#include "ui/browse_folder.h"

#include "ui/services.h"

namespace lancefall {

QString cBrowseFolder::ShowBrowse()
{
    const std::optional<QString> chosen = mPicker.pickFolder(lhWnd, sTitle, sFolder);
    sFolder = chosen ? chosen->trimmed() : QString();
    if (sFolder.isEmpty())
        bCancelled = true;
    return sFolder;
}

} // namespace lancefall
