#pragma once

#include <string>
#include <vector>

// The rules of the batch sheet's file-selection page: which entries may join
// the list, how a URL is listed, what the status line says, and how the list
// turns into the run's file list (every entry followed by "\n") and back.
namespace batch {

// The status line before the list was changed and while it is empty.
std::string initialSelectionStatus();
// The status line for a list of `count` entries: the number, then a blank
// unless there is exactly one entry.
std::string selectionStatus(int count);

// Whether a file dropped on the page joins the list: its extension (after
// the last ".", within the file name, any case) is one of the picture
// formats the program reads, PNG included.
bool isDroppablePicture(const std::string& path);

// How a URL from the URL dialog is listed: "file://" (any case) followed by
// a path is listed as that path alone; anything else as it is.
std::string listedUrl(const std::string& url);

// Whether the run downloads an entry before loading it: one naming a scheme
// ("http://...").
bool isDownloadEntry(const std::string& entry);

// Whether a text can be an entry: not empty, and without a line break,
// which would split it into two entries of the file list.
bool isListableEntry(const std::string& entry);

// The run's file list: every entry followed by "\n", in list order; an
// empty list gives an empty text.
std::string buildFileList(const std::vector<std::string>& entries);
// The entries of a file list, in order (a last entry without its "\n"
// counts too).
std::vector<std::string> fileListEntries(const std::string& fileList);

}  // namespace batch
