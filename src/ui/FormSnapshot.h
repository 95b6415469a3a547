#pragma once

#include "model/ItemDefinition.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The form as the user sees it, in three parts that a step may change: the
// item; the custom sheet with its label and the file dialog's file and
// folder; and the script pane with the page in front and the control with
// the focus.
struct FormSnapshot {
    ItemDefinition item;

    bool customSheet = false;
    QString customLabel, customPath;
    QString dialogFileName, dialogFileTitle, dialogInitDir;

    QString pane;
    bool paneEnabled = false;
    int tab = 1;
    QPointer<QWidget> focus;

    bool SameSheet(const FormSnapshot& other) const
    {
        return customSheet == other.customSheet && customLabel == other.customLabel && customPath == other.customPath
               && dialogFileName == other.dialogFileName && dialogFileTitle == other.dialogFileTitle
               && dialogInitDir == other.dialogInitDir;
    }
};
