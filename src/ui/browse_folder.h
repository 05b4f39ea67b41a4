#pragma once

#include <QString>

class QWidget;

namespace lancefall {

class FolderPicker;

// The folder chooser behind the Browse command: set its properties, call
// ShowBrowse, then read bCancelled and sFolder. A fresh object is used for every
// dialog; it only ever sets bCancelled to true.
class cBrowseFolder {
public:
    explicit cBrowseFolder(FolderPicker &picker) : mPicker(picker) {}

    bool bCancelled = false;  // true once a dialog ended without a usable folder
    QWidget *lhWnd = nullptr; // owner of the dialog
    QString sTitle;           // instruction text of the dialog
    QString sFolder;          // before: the folder to open on; after: the chosen folder

    // Runs the modal dialog; returns the chosen folder, or an empty text when the
    // user cancelled or the choice has no usable path (both count as a cancel).
    QString ShowBrowse();

private:
    FolderPicker &mPicker;
};

} // namespace lancefall
