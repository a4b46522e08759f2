#pragma once

#include <string>

// What the document needs from the window around it: the view's layout and
// zoom, the recent-file list and the editing mode. The desktop program's view
// and main window implement it; the command-line tool and the tests use the
// defaults, which have no window and never edit.
namespace app {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // The picture changed: lay the view out again at its current zoom and
    // repaint every view.
    virtual void pictureChanged() {}
    // The view's zoom goes back to 1 (New and Open).
    virtual void resetZoom() {}
    virtual void addToRecentFiles(const std::string& /*path*/) {}

    // Editing mode with the editor control.
    virtual bool isEditing() const { return false; }
    // True when the editor control changed the picture since it was lent.
    virtual bool editorModified() const { return false; }
    // Writes the edited pixels back into the document's picture.
    virtual void takeEditedPicture() {}
    virtual void endEditing() {}
    // Enters editing mode on the document's picture (the end of New).
    virtual void startEditing() {}
};

}  // namespace app
