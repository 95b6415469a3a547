#pragma once

#include <QString>

// What the user chose of the sheet shown beyond the item's own numbers: the
// numbered sheet or a custom one, the custom sheet's label and path, and the
// file dialog's last file and folder. The form's history keeps it beside the
// item.
struct SheetState {
    bool custom = false;
    QString label, path;
    QString dialogFileName, dialogFileTitle, dialogInitDir;

    bool operator==(const SheetState&) const = default;
};
