#include "shell_resources.h"

namespace geoplait::resources {

namespace {

constexpr toolkit::TStringEntry kEntries[] = {
    {2008, "Access About"},
    {2009, "About the geoplait application"},
    {24310, "Quits geoplait and prompts to save the documents"},
    {24320, "Edit operations"},
    {24321, "Reverses the last operation"},
    {24322, "Cuts the selection and puts it on the Clipboard"},
    {24323, "Copies the selection and puts it on the Clipboard"},
    {24324, "Inserts the Clipboard contents at the insertion point"},
    {24325, "Deletes the selection"},
    {24326, "Clears the active document"},
    {24327, "Inserts a new line"},
    {24328, "Edits the current line"},
    {24331, "Creates a new window"},
    {24332, "Opens a window"},
    {24333, "Saves the active document"},
    {24334, "Saves the active document with a new name"},
    {24339, "Closes the active document"},
    {24350, "Search/replace operations"},
    {24351, "Finds the specified text"},
    {24352, "Finds the specified text and changes it"},
    {24353, "Finds the next match"},
    {65535, "File/document operations"},
};

}  // namespace

const toolkit::TStringTable kHintStrings{kEntries};

}  // namespace geoplait::resources
