// Undo and Redo of every kind of step the user takes on the form, the runs that
// make one step, and the menu entries, on a copy of the sample game.
#include "ui/WindowTestSupport.h"

#include "ui/controls/UpDown.h"
#include "ui/editor/FormHistory.h"

class FormHistoryTest : public QObject, EditorOnSampleGame {
    Q_OBJECT

    QAction* undo() { return w->findChild<QAction*>("mnuUndo"); }
    QAction* redo() { return w->findChild<QAction*>("mnuRedo"); }
    // What a step may change: the item, the custom sheet and the script pane.
    struct State {
        ItemDefinition item;
        QString sheet, pane;
        bool custom, paneEnabled, paneEdited;
        bool operator==(const State&) const = default;
    };
    State state()
    {
        return {w->form().CurrentItem(),     c<QLabel>("lblCustomSheet")->text(),
                paneText(w.get()),           c<QRadioButton>("optCustomSheet")->isChecked(),
                c("txtScript")->isEnabled(), c<QPlainTextEdit>("txtScript")->document()->isModified()};
    }
    void type(const char* box, const char* text)
    {
        c(box)->setFocus();
        QTest::keyClicks(c(box), text);
    }
    // Leaves the focused box as the user does: for the next control, here the page's tab.
    void leave() { c<QTabWidget>("TabStrip1")->tabBar()->setFocus(); }

private slots:
    void init() { QVERIFY(startOnNewGame()); }
    void cleanup() { w.reset(), game.reset(); }

    // Each kind of step: done, undone to the form before it, redone to the form after it, named in the menu.
    void everyKindOfStepIsUndoneAndRedone()
    {
        QVERIFY(!undo()->isEnabled() && !redo()->isEnabled() && undo()->text() == "&Undo" && redo()->text() == "Re&do");
        ScriptedDialog dialog;
        dialog.answers = {game->filePath("Item Graphics/G1005.bmp")};
        QGuiApplication::clipboard()->setText("begindefineitem 7;\r\n\tit_magic = 1;\r\n");
        const std::pair<const char*, std::function<void()>> steps[] = {
            {"Item Name", [&] { type("txtName", "Ember"); }},
            {"Item Name", [&] { QTest::mouseClick(c("chkName"), Qt::LeftButton); }},
            {"Variety", [&] { QTest::keyClick(c("cboVariety"), Qt::Key_Down); }},
            {"Damage Per Level", [&] { QTest::mouseClick(c("chkDamage"), Qt::LeftButton); }},
            {"Skill Used", [&] { type("cboSkill", "Slings"); }},
            {"Variety", [&] { QTest::keyClick(c("cboVariety"), Qt::Key_End); }},  // unticks damage
            {"Identified?", [&] { QTest::mouseClick(c("optIdentYes"), Qt::LeftButton); }},
            {"Floor Icon", [&] { c<UpDown>("updFloorIcon")->findChild<QToolButton*>("up")->click(); }},
            {"Inventory Icon", [&] { QTest::mouseClick(c("imgInvIcon_3"), Qt::LeftButton); }},
            {"Custom Sheet", [&] { QTest::mouseClick(c("optCustomSheet"), Qt::LeftButton); }},
            {"Sheet Number", [&] { QTest::mouseClick(c("optSheetNum"), Qt::LeftButton); }},
            {"Paste", [&] { w->mnuPaste_Click(); }},
            {"Typing in Script", [&] { type("txtScript", "// mine"); }},
            {"Generate Script", [&] { w->mnuGenerate_Click(); }},  // over the pane edited by hand
            {"Typing in Script", [&] { type("txtScript", "x"); }},
            {"Clear Script", [&] { w->mnuClear_Click(); }},
            {"Reset Editor", [&] { w->mnuReset_Click(); }},
        };
        for (const auto& [name, act] : steps) {
            const State before = state();
            act();
            leave();
            const State after = state();
            QVERIFY2(!(after == before) && undo()->text() == QString("&Undo ") + name, name);
            w->mnuUndo_Click();
            QVERIFY2(state() == before && redo()->text() == QString("Re&do ") + name, name);
            w->mnuRedo_Click();
            QVERIFY2(state() == after && !redo()->isEnabled(), name);
        }
        // A new step after an undo drops the step that could have been redone.
        w->mnuUndo_Click();
        type("txtValue", "9");
        QVERIFY(!redo()->isEnabled());
    }

    // A run of typing in a box, with its correction when left, or of one spinner is one step; Undo restores the focus.
    void runsMakeOneStep()
    {
        QLineEdit* number = c<QLineEdit>("txtItemNum");
        number->selectAll();
        type("txtItemNum", "600");
        leave();
        type("txtName", "Ro");
        leave();
        type("txtName", "pe");
        QTest::keyClick(c("txtName"), Qt::Key_Z, Qt::ControlModifier);  // the form's undo, not the box's
        QVERIFY(c<QLineEdit>("txtName")->text() == "Ro" && QApplication::focusWidget() == c("txtName"));
        w->mnuUndo_Click();
        w->mnuUndo_Click();
        QCOMPARE(number->text(), QStringLiteral("440"));
        QTest::keyClick(number, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(number, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(number->text() == "499" && c<QLineEdit>("txtName")->text() == "Ro");
        QTest::keyClick(c("cboVariety"), Qt::Key_End);  // a variety that fires missiles
        auto* spinner = c<UpDown>("updMissile");
        auto* arrow = spinner->findChild<QToolButton*>("up");
        QTest::mousePress(arrow, Qt::LeftButton);
        QTRY_VERIFY(spinner->value() >= 5);  // the arrow held, stepping by itself
        QTest::mouseRelease(arrow, Qt::LeftButton);
        QCOMPARE(undo()->text(), QStringLiteral("&Undo Missile Animation"));
        c<QTabWidget>("TabStrip1")->setCurrentIndex(0);
        w->mnuUndo_Click();
        QCOMPARE(spinner->value(), 0);
        QVERIFY(c<QTabWidget>("TabStrip1")->currentIndex() == 2 && QApplication::focusWidget() == spinner);
    }

    // Generate is one step with the boxes it fills, none where it only rewrites the script (keeping Redo). Typing in
    // the pane is a run of its own: Ctrl+Z there takes it back, the cursor where it was typed, and Ctrl+Y redoes it.
    void generateAndThePanesTypingAreSteps()
    {
        type("txtName", "Ro");
        w->mnuUndo_Click();
        w->mnuGenerate_Click();
        QVERIFY(redo()->isEnabled());
        c<QCheckBox>("chkValue")->click();
        c<QLineEdit>("txtValue")->clear();
        w->mnuGenerate_Click();
        type("txtScript", "ab");
        leave();
        type("txtScript", "");
        QTest::keyClick(c("txtScript"), Qt::Key_Left);
        type("txtScript", "c");
        QTest::keyClick(c("txtScript"), Qt::Key_Z, Qt::ControlModifier);
        auto* pane = c<QPlainTextEdit>("txtScript");
        QVERIFY(pane->toPlainText().startsWith("abbegindefineitem") && pane->textCursor().position() == 1);
        QVERIFY(QApplication::focusWidget() == pane && pane->document()->isModified());
        QTest::keyClick(pane, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(pane->toPlainText().startsWith("acbbegin") && pane->textCursor().position() == 2);
        w->mnuUndo_Click();
        w->mnuUndo_Click();
        QCOMPARE(undo()->text(), QStringLiteral("&Undo Generate Script"));
        w->mnuUndo_Click();
        QVERIFY(pane->toPlainText() == "begindefineitem 440;\n" && c<QLineEdit>("txtValue")->text().isEmpty());
    }

    // The history alone: a command or a run of typing that changes nothing is no step; the last 200 steps are kept.
    void keepsTheLastStepsThatChangeSomething()
    {
        FormSnapshot form;
        QWidget box;
        FormHistory history([&](FormHistory::Scope) { return form; },
                            [&](const FormSnapshot& put, FormHistory::Scope, QWidget*) { form = put; }, nullptr);
        history.Begin();
        FormHistory::Command(history, "Reset Editor");  // a command that changes nothing, ended at once
        QVERIFY(!history.Stack()->canUndo());
        for (const char* typed : {"Ro", ""}) {
            form.item.txtName = typed;
            history.Changed(&box, "Item Name", FormHistory::Scope::Item, true);
        }
        QVERIFY(!history.Stack()->canUndo());
        for (int step = 1; step <= 201; ++step) {
            form.item.txtValue = QString::number(step);
            history.Changed(&box, "Value", FormHistory::Scope::Item, false);
        }
        for (int step = 0; step < 200; ++step)
            history.Stack()->undo();
        QCOMPARE(form.item.txtValue, QStringLiteral("1"));
    }

    // A text box's own menu offers the form's Undo and Redo in place of its own.
    void textBoxMenusUseTheFormsHistory()
    {
        type("txtName", "x");
        emit c("txtName")->customContextMenuRequested(QPoint(2, 2));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        const QList<QAction*> offered = QApplication::activePopupWidget()->actions();
        QVERIFY(offered.contains(undo()) && offered.contains(redo()));
        QVERIFY(std::ranges::none_of(offered, [](QAction* a) { return a->objectName().startsWith("edit-undo"); }));
        QApplication::activePopupWidget()->close();
    }
};

QTEST_MAIN(FormHistoryTest)
#include "FormHistoryTest.moc"
