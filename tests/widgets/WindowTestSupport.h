#pragma once

#include "TestGame.h"
#include "model/ScriptPaneText.h"
#include "startup/ItemGlobal.h"
#include "ui/ItemEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

// Finds a control of the window by its name; a missing one fails the test run.
template <class T>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Starts the editor on `game` as the program does, shown and active.
inline std::unique_ptr<ItemEdit> startEditor(const TestGame& game)
{
    std::unique_ptr<ItemEdit> window = ItemGlobal::StartEditor(game.path());
    if (!window)
        return window;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the editor window did not become active");
    return window;
}

// The script pane's text with its CR LF line breaks.
inline QString paneText(QWidget* window)
{
    return ScriptFromPaneText(control<QPlainTextEdit>(window, "txtScript")->document()->toRawText());
}

inline QString clipboardText() { return QGuiApplication::clipboard()->text(); }

// A key pressed wherever the focus is, as the user would.
inline void pressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}
