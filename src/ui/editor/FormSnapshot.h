#pragma once

#include "model/ItemDefinition.h"
#include "ui/sheets/SheetState.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The editor window as the user sees it, put together from its parts, in the
// reaches a step may change: the form's item; the sheets' choice of sheet;
// the window's script pane with the page in front and the control with the
// focus; the script pane's text alone.
struct FormSnapshot {
    ItemDefinition item;
    SheetState sheet;

    QString pane;
    bool paneEnabled = false;
    bool paneEdited = false;  // typed into since Generate, Clear or a load set it
    int tab = 1;
    QPointer<QWidget> focus;
};
