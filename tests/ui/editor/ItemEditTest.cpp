// The editor window on the offscreen platform, started on a copy of the sample
// game: what the form holds, its rules, the menu commands and the paste.
#include "ui/WindowTestSupport.h"

#include "model/BuildItemScript.h"
#include "model/ItemProperties.h"
#include "refdata/VarietyRule.h"
#include "ui/controls/EditorStyle.h"
#include "ui/controls/UpDown.h"

namespace {

// Texts with less than 2 px to spare in their control, and named controls that cover a named sibling.
QStringList layoutProblems(QWidget* top)
{
    QStringList found;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        const auto fits = [&](const QString& text, int room) {
            for (const QString& line : QString(text).remove(u'&').split(u'\n'))
                if (w->fontMetrics().horizontalAdvance(line) + 2 > room)
                    found << w->objectName() + " cuts \"" + line + "\"";
        };
        if (auto* label = qobject_cast<QLabel*>(w))
            fits(label->text(), label->contentsRect().width());
        if (auto* frame = qobject_cast<QGroupBox*>(w))
            fits(frame->title(), frame->width() - 12);
        QStyleOptionButton button;
        button.initFrom(w);
        const auto contents = w->inherits("QCheckBox")      ? QStyle::SE_CheckBoxContents
                              : w->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                                            : QStyle::SE_PushButtonContents;
        if (w->inherits("QAbstractButton"))
            fits(w->property("text").toString(), w->style()->subElementRect(contents, &button, w).width());
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(list);
            opt.editable = list->isEditable();
            const int field =
                w->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, w).width();
            for (int i = 0; i < list->count(); ++i)
                fits(list->itemText(i), field - 4 - (list->isEditable() ? list->lineEdit()->textMargins().left() : 0));
        }
        for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other < w && other->isVisible() && !other->objectName().isEmpty()
                && !other->objectName().startsWith("qt_") && !other->inherits("QTabWidget")
                && !w->inherits("QTabWidget") && other->geometry().intersects(w->geometry()))
                found << w->objectName() + " covers " + other->objectName();
    }
    return found;
}

double luminance(QPalette::ColorRole role)
{
    const QColor c = QApplication::palette().color(QPalette::Disabled, role);
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
}

}  // namespace

class ItemEditTest : public QObject, EditorOnSampleGame {
    Q_OBJECT

    QTabWidget* tabs() { return c<QTabWidget>("TabStrip1"); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    QWidget* showPageOf(QWidget* target)
    {
        for (int page = 1; page <= 4; ++page)
            if (c(QString("fraItemInfo_%1").arg(page))->isAncestorOf(target))
                tabs()->setCurrentIndex(page - 1);
        return target;
    }
    // Steps as the user takes them: "name=text" retypes a box, chooses a list entry or sets a spinner; "name" clicks.
    void act(const QStringList& steps)
    {
        for (const QString& step : steps) {
            const QString value = step.section(u'=', 1);
            QWidget* target = showPageOf(c(step.section(u'=', 0, 0)));
            if (auto* box = qobject_cast<QLineEdit*>(target)) {
                box->setFocus();
                box->selectAll();
                QTest::keyClick(box, Qt::Key_Backspace);
                QTest::keyClicks(box, value);
            } else if (auto* list = qobject_cast<QComboBox*>(target)) {
                list->setCurrentIndex(value.toInt());
            } else if (auto* spinner = qobject_cast<UpDown*>(target)) {
                spinner->setValue(value.toInt());
            } else {
                QTest::mouseClick(target, Qt::LeftButton);
            }
        }
    }

    // The starting item, written out here, and the window around it.
    void expectStartingItem(bool iconAndMissileTicks)
    {
        ItemDefinition start;
        start.txtItemNum = "440";
        for (QString* text :
             {&start.txtImport, &start.txtDamage, &start.txtBonus, &start.txtProtect, &start.txtCharges,
              &start.txtEncumb, &start.txtIconAdjust, &start.txtSpecClass, &start.txtValue, &start.txtWeight})
            *text = "0";
        start.cboVariety = {0, "Plain Object"}, start.cboSkill = {4, "Pole Weapons"};
        start.specAbil.fill({{0, "No Ability"}, "0", false});
        start.chkFloorIcon = start.chkInvIcon = start.chkMissile = iconAndMissileTicks;
        QVERIFY(w->form().CurrentItem() == start);
        QVERIFY(c("fraItemInfo_1")->isVisible() && !c("fraItemInfo_2")->isVisible()
                && !c("fraItemInfo_4")->isVisible());
        for (const char* off : {"fraDamage", "fraBonus", "fraSkill", "fraProtect", "fraEncumb", "fraSpecAbil",
                                "fraMissile", "txtImport", "txtScript"})
            QVERIFY2(!c(off)->isEnabled(), off);
        QVERIFY(c<QRadioButton>("optSheetNum")->isChecked() && paneText(w.get()).isEmpty());
    }

private slots:
    void initTestCase() { ApplyEditorStyle(*qApp); }
    void init() { QVERIFY(startOnNewGame()); }
    void cleanup() { w.reset(), game.reset(); }

    // Each control reaches its own line of the script, from an item of the variety that enables every frame.
    void everyControlWritesItsOwnLine()
    {
        const std::pair<QStringList, const char*> rows[] = {
            {{"chkClearImport"}, "\tclear;\r\n"},
            {{"optImport", "txtImport=12", "chkClearImport"}, "\timport = 12;\r\n"},
            {{"txtName=Ember \"Red\"", "chkName"}, "\tit_name = \"Ember \"Red\"\";\r\n"},
            {{"txtFullName=Dagger of Embers", "chkFullName"}, "\tit_full_name = \"Dagger of Embers\";\r\n"},
            {{"chkVariety"}, "\tit_variety = 5; // Thrown Missile Weapon\r\n"},
            {{"txtDamage=7", "chkDamage"}, "\tit_damage_per_level = 7;\r\n"},
            {{"txtBonus=1", "chkBonus"}, "\tit_bonus = 1;\r\n"},
            {{"cboSkill=2", "chkSkill"}, "\tit_weapon_skill_used = 2; // Edged Weapons\r\n"},
            {{"txtProtect=3", "chkProtect"}, "\tit_protection = 3;\r\n"},
            {{"txtCharges=4", "chkCharges"}, "\tit_charges = 4;\r\n"},
            {{"txtEncumb=5", "chkEncumb"}, "\tit_encumbrance = 5;\r\n"},
            {{"updSheetNum=1002", "imgFloorIcon_7", "chkFloorIcon"},
             "\tit_floor_which_sheet = 1002;\r\n\tit_floor_which_icon = 7;\r\n"},
            {{"imgInvIcon_3", "chkInvIcon"}, "\tit_floor_which_sheet = 1000;\r\n\tit_inventory_icon = 3;\r\n"},
            {{"txtIconAdjust=-2", "chkIconAdjust"}, "\tit_icon_adjust = -2;\r\n"},
            {{"cboSpecAbil_3=12", "txtSpecAbil_3=-5", "chkSpecAbil_3"},
             "\tit_ability_3 = 12; // Fire Damage\r\n\tit_ability_str_3 = -5;\r\n"},
            {{"txtSpecClass=9", "chkSpecClass"}, "\tit_special_class = 9;\r\n"},
            {{"txtValue=150", "chkValue"}, "\tit_value = 150;\r\n"},
            {{"txtWeight=12", "chkWeight"}, "\tit_weight = 12;\r\n"},
            {{"optIdentYes", "chkIdentify"}, "\tit_identified = 1;\r\n"},
            {{"optMagicYes", "chkMagic"}, "\tit_magic = 1;\r\n"},
            {{"optCurseYes", "chkCursed"}, "\tit_cursed = 1;\r\n"},
            {{"optUseOnceYes", "chkUseOnce"}, "\tit_once_per_day = 1;\r\n"},
            {{"optJunkYes", "chkJunk"}, "\tit_junk_item = 1;\r\n"},
            {{"updMissile=4", "chkMissile"}, "\tit_missile_anim_type = 4;"},
        };
        for (const auto& [steps, lines] : rows) {
            w->mnuReset_Click();
            for (const char* kept : {"chkFloorIcon", "chkInvIcon", "chkMissile"})
                c<QCheckBox>(kept)->setChecked(false);
            act(QStringList{"cboVariety=5"} + steps);
            w->mnuGenerate_Click();
            QCOMPARE(paneText(w.get()), "begindefineitem 440;\r\n" + QString::fromUtf8(lines));
        }
    }

    void opensOnTheStartingItemAndResetReturnsToIt()
    {
        expectStartingItem(false);
        QCOMPARE(c<QComboBox>("cboSpecAbil_4")->count(), 36);
        act({"txtItemNum=12", "txtName=X", "chkName", "cboVariety=5", "chkDamage", "cboSkill=1",
             "txtSpecClass=", "chkMissile", "updMissile=5", "optMagicYes", "chkFloorIcon", "chkInvIcon",
             "updSheetNum=1002", "imgFloorIcon_3"});
        w->mnuGenerate_Click();
        QVERIFY(c("fraItemInfo_4")->isVisible() && !c("fraItemInfo_2")->isVisible() && focused() == "txtScript");
        const QFontMetricsF code(c("txtScript")->font());  // every character one width, measured, whatever the font
        QCOMPARE(code.horizontalAdvance(QStringLiteral("iiiii;")), code.horizontalAdvance(QStringLiteral("WWWWW\"")));
        w->mnuReset_Click();
        expectStartingItem(true);  // the icon and missile boxes keep their ticks
    }

    // A typed skill that is no entry of the list is marked, naming the position the script writes beside it.
    void aTypedSkillIsMarked()
    {
        const auto* mark = c<QLabel>("markTypedSkill");
        QVERIFY(mark->isHidden());
        c<QComboBox>("cboSkill")->setEditText("Pole weapons");
        QVERIFY(!mark->isHidden() && c("fraSkill")->contentsRect().contains(mark->geometry()));
        QCOMPARE(mark->toolTip(), "\"Pole weapons\" is no entry of the list: the script writes position 4 (\"Pole "
                                  "Weapons\") with the typed skill as its comment.");
        act({"cboSkill=2"});
        QVERIFY(mark->isHidden());
    }

    // Every way into a text box meets its rule; a text the box cannot take changes nothing, and a note says why.
    void everyRouteMeetsTheBoxRule()
    {
        // Box, its text, route (K typed, V Ctrl+V, I Shift+Insert, M menu Paste, D drop, E input method), sent; after.
        const std::tuple<const char*, const char*, char, QString, QString, QString> rows[] = {
            {"txtItemNum", "", 'M', "7x7", "", "Item Number takes digits only: \"7x7\" was not taken."},
            {"txtItemNum", "4", 'K', "5a", "45", "Item Number takes digits only: \"a\" was not taken."},
            {"txtImport", "", 'E', "12\n", "12", ""},
            {"txtValue", "", 'D', "-12", "", "Value takes digits only: \"-12\" was not taken."},
            {"txtValue", "1", 'I', "23456", "1", "Value takes at most 5 characters: \"23456\" was not taken."},
            {"txtWeight", "", 'V', " 1234 \r\n", "1234", ""},
            {"txtName", "Ember", 'E', " of the Dawn's Light", "Ember",
             "Item Name takes at most 19 characters: \" of the Dawn's Light\" was not taken."},
            {"txtFullName", "", 'D', "Dagger\r\n", "Dagger", ""},
            {"txtSpecAbil_2", "", 'D', "-7", "-7", ""},
            {"txtSpecAbil_2", "5", 'K', "-", "5",
             "Strength 2 takes digits only, after an optional \"-\": \"-\" was not taken."},
            {"txtIconAdjust", "-2", 'V', QString(32766, u'x'), "-2",
             "Icon Adjust takes at most 32767 characters: \"xxxxxxxxxxxxxxxxxxxxxxxx...\" was not taken."},
            {"cboSkill", "2", 'M', "Axe\nBow", "Edged Weapons",
             "Skill Used takes a single line: \"Axe Bow\" was not taken."},
        };
        act({"cboVariety=5", "optImport"});
        for (const auto& [name, before, route, text, held, said] : rows) {
            act({QString(name) + '=' + before});
            auto* box = name == QStringLiteral("cboSkill") ? c<QComboBox>(name)->lineEdit() : c<QLineEdit>(name);
            delete w->findChild<QLabel*>("briefNote");
            QGuiApplication::clipboard()->setText(text);
            QMimeData dropped;
            dropped.setText(text);
            const QPoint at = box->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
            if (route == 'K')
                QTest::keyClicks(box, text);
            else if (route == 'V' || route == 'I')
                QTest::keyClick(box, route == 'V' ? Qt::Key_V : Qt::Key_Insert,
                                route == 'V' ? Qt::ControlModifier : Qt::ShiftModifier);
            else if (route == 'D' ? QApplication::sendEvent(box, &enter) : true)
                QApplication::sendEvent(box, route == 'D'   ? &drop
                                             : route == 'E' ? static_cast<QEvent*>(&commit)
                                                            : &rightClick);
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                QTest::keyClick(menu, Qt::Key_P);  // its Paste
            const auto* note = w->findChild<QLabel*>("briefNote");
            QCOMPARE(box->text() + '|' + (note ? note->text() : QString()), held + '|' + said);
        }
        // A paste the box trims joins the typing before it: one step of the form's history.
        act({"txtCharges=5"});
        QGuiApplication::clipboard()->setText(" 12\n");
        QTest::keyClick(c("txtCharges"), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(c("txtCharges"), Qt::Key_Z, Qt::ControlModifier);
        const QString undone = c<QLineEdit>("txtCharges")->text();
        QTest::keyClick(c("txtCharges"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(undone + '|' + c<QLineEdit>("txtCharges")->text(), QStringLiteral("0|512"));
    }

    // A box typed into and left: its input rule lets through what it takes, its leave rule corrects it as it is left.
    void keyAndLeaveRulesShapeWhatEachBoxHolds()
    {
        // Steps after choosing the variety that enables every frame, then the box and what it holds once left.
        const std::tuple<QStringList, const char*, const char*> rows[] = {
            {{"txtItemNum=500"}, "txtItemNum", "499"},
            {{"optImport", "txtImport=256"}, "txtImport", "255"},
            {{"txtValue="}, "txtValue", ""},
            {{"chkValue", "txtValue="}, "txtValue", "0"},
            {{"chkSpecClass", "txtSpecClass="}, "txtSpecClass", "0"},
            {{"chkWeight", "txtWeight="}, "txtWeight", "0"},
        };
        for (const auto& [steps, field, held] : rows) {
            w->mnuReset_Click();
            act(QStringList{"cboVariety=5"} + steps);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(c<QLineEdit>(field)->text(), QString(held));
        }
        // Generate sees the box as typed; the rule corrects it as the focus goes to the pane.
        act({"txtItemNum=600"});
        w->mnuGenerate_Click();
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 600;\r\n\tit_weight = 0;\r\n"));
        QCOMPARE(c<QLineEdit>("txtItemNum")->text(), QStringLiteral("499"));
        // "Import" selects its box, so that typing replaces the 0; "Clear" disables the box and keeps its text.
        act({"optImport"});
        QTest::keyClicks(QApplication::focusWidget(), "12");
        act({"optClear"});
        QVERIFY(!c("txtImport")->isEnabled() && c<QLineEdit>("txtImport")->text() == "12");
    }

    void varietyRuleUnticksWhatItDisables()
    {
        act({"cboVariety=1", "chkDamage", "chkBonus", "cboVariety=3"});
        QVERIFY(!c<QCheckBox>("chkDamage")->isChecked() && !c<QCheckBox>("chkBonus")->isChecked());
        act({"cboVariety=5", "chkMissile", "chkSpecAbil_2", "cboVariety=0"});
        QVERIFY(!c<QCheckBox>("chkDamage")->isChecked() && c<QCheckBox>("chkMissile")->isChecked()
                && c<QCheckBox>("chkSpecAbil_2")->isChecked());
        // A box left ticked on a greyed frame is marked: its line is written all the same.
        const auto marked = [&](const char* box) { return !c(QString("markGreyedTick_") + box)->isHidden(); };
        QVERIFY(marked("chkMissile") && marked("chkSpecAbil_2") && !marked("chkSpecAbil_1"));
        act({"cboVariety=5"});
        QVERIFY(!marked("chkMissile") && !marked("chkSpecAbil_2"));
    }

    // A paste reports, under its own title, what the form does not write as the pasted block has it.
    void pasteReportsWhatTheFormWritesOtherwise()
    {
        QGuiApplication::clipboard()->setText("begindefineitem 7;\n\tit_floor_which_icon = 3;\n");
        w->mnuPaste_Click();
        const auto* report = w->findChild<QMessageBox*>();
        QVERIFY(report && report->windowTitle() == "Paste Script into Form");
        QCOMPARE(report->text(), "The form now writes 1 property otherwise than the pasted block:\n\nSheet Number: the "
                                 "form writes 1000; the block has no line for it.\n");
    }

    // The pane's note and Copy's confirmation say whether the pane is what Generate writes now; Copy takes the pane as
    // it stands, or its selection. Generate first fills the empty number boxes it writes.
    void paneAndCopySayHowTheScriptStands()
    {
        const QString older = "Older than the form: Generate (Ctrl+G) brings the script up to date.";
        const struct {
            QStringList steps;  // "generate", "clear", "pane=<typed>", "select" (the pane's next line), or form steps
            QString note, copied, clipboard;
        } rows[] = {
            {{}, "", "Clipboard emptied: there is no script to copy. Generate (Ctrl+G) writes one.", ""},
            {{"cboVariety=5", "chkCharges", "txtCharges=", "chkSpecAbil_2", "txtSpecAbil_2=-", "generate"},
             "",
             "Script copied",
             "begindefineitem 440;\r\n\tit_charges = 0;\r\n\tit_ability_2 = 0; // No Ability\r\n\tit_ability_str_2 = "
             "0;\r\n"},
            {{"txtItemNum=12", "select"},
             older,
             "Copied 1 of 4 lines of a script older than the form: Generate (Ctrl+G) brings it up to date.",
             "begindefineitem 440;\r\n"},
            {{"select"},
             older,
             "Copied 2 of 4 lines of a script older than the form: Generate (Ctrl+G) brings it up to date.",
             "begindefineitem 440;\r\n\tit_charges = 0;\r\n"},
            {{"chkCharges", "chkSpecAbil_2", "generate", "pane=x"},
             "Edited by hand: not what Generate (Ctrl+G) writes from the form now.",
             "Script copied as edited by hand: it is not what Generate (Ctrl+G) writes from the form.",
             "xbegindefineitem 12;\r\n"},
            {{"pane=\b"}, "", "Script copied", "begindefineitem 12;\r\n"},
            {{"clear"}, "", "Clipboard emptied: there is no script to copy. Generate (Ctrl+G) writes one.", ""},
        };
        auto* note = c<QLabel>("lblScriptState");
        for (const auto& row : rows) {
            for (const QString& step : row.steps) {
                if (step == "generate")
                    w->mnuGenerate_Click();
                else if (step == "clear")
                    w->mnuClear_Click();
                else if (step == "select")
                    c<QPlainTextEdit>("txtScript")->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);
                else if (step.startsWith("pane="))
                    QTest::keyClicks(c("txtScript"), step.mid(5));
                else
                    act({step});
            }
            QCOMPARE(note->isHidden() ? QString() : note->text(), row.note);
            QCOMPARE(c("txtScript")->accessibleDescription(), row.note);
            w->mnuCopy_Click();
            const auto* copied = w->findChild<QLabel*>("briefNote");
            QVERIFY(copied && copied->isVisible());
            QCOMPARE(copied->text() + '|' + copied->accessibleName(), row.copied + '|' + row.copied);
            QCOMPARE(QGuiApplication::clipboard()->text(), row.clipboard);
        }
        QCOMPARE(c<QLineEdit>("txtCharges")->text() + c<QLineEdit>("txtSpecAbil_2")->text(), QStringLiteral("00"));
    }

    void pageKeysAndOptionGroupsFollowTheKeyboard()
    {
        act({"txtItemNum=600"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(c<QLineEdit>("txtItemNum")->text(), QStringLiteral("499"));  // left as by a click on the tab
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs()->currentIndex(), 3);
        act({"chkWeight"});  // Tab enters a Yes/No pair on its selected button
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("optIdentNo"));
    }

    // Each page's access keys, unique there with the tabs' and menus' own, reach their control; Import so takes digits.
    void accessKeysReachTheirControls()
    {
        const struct {
            int page;
            Qt::Key key;
            const char* control;
        } rows[] = {{1, Qt::Key_U, "txtItemNum"},    {1, Qt::Key_F, "txtFullName"}, {1, Qt::Key_V, "cboVariety"},
                    {1, Qt::Key_R, "txtCharges"},    {1, Qt::Key_I, "txtImport"},   {2, Qt::Key_L, "updFloorIcon"},
                    {2, Qt::Key_J, "txtIconAdjust"}, {3, Qt::Key_W, "txtWeight"},   {3, Qt::Key_O, "optUseOnceNo"}};
        const Qt::Key pageKeys[] = {Qt::Key_S, Qt::Key_G, Qt::Key_P, Qt::Key_M};
        for (const auto& row : rows) {
            QTest::keyClick(QApplication::focusWidget(), pageKeys[row.page], Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), row.key, Qt::AltModifier);
            QTRY_COMPARE(focused(), QString(row.control));
        }
        QTest::keyClick(w.get(), Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(w.get(), Qt::Key_C, Qt::AltModifier);  // back on General, then Clear
        QTRY_VERIFY(c<QRadioButton>("optClear")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTRY_COMPARE(focused(), QStringLiteral("txtImport"));
        QStringList menus;
        for (QAction* menu : w->menuBar()->actions())
            menus << QKeySequence::mnemonic(menu->text()).toString();
        for (int page = 1; page <= 3; ++page) {
            QStringList keys = menus;
            for (int tab = 0; tab < 4; ++tab)
                keys << QKeySequence::mnemonic(tabs()->tabText(tab)).toString();
            for (QWidget* each : c(QString("fraItemInfo_%1").arg(page))->findChildren<QWidget*>()) {
                const QVariant text = each->property(qobject_cast<QGroupBox*>(each) ? "title" : "text");
                if (const QString key = QKeySequence::mnemonic(text.toString()).toString(); !key.isEmpty())
                    keys << key;
            }
            QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        }
    }

    // Home, then a row's keys (P, p Page Up, Down; H, E Home, End; ^, v Up, Down; < Backspace; x Escape; s Shift; a the
    // up arrow clicked): the label shown (digits typed until they make a value), the value once left, one Undo step.
    void spinnerKeysSetTheValueWithinItsBounds()
    {
        QTest::keyClick(c("cboVariety"), Qt::Key_End);  // a variety that fires missiles
        const std::tuple<const char*, const char*, int, int> rows[] = {
            {"SheetNum", "PP", 1020, 1020},   {"SheetNum", "PPPPPp", 1038, 1038}, {"SheetNum", "E^", 1048, 1048},
            {"SheetNum", "Ev", 1047, 1047},   {"SheetNum", "1048", 1048, 1048},   {"SheetNum", "104", 1000, 104},
            {"SheetNum", "1049", 1000, 104},  {"SheetNum", "10x48", 1000, 1000},  {"SheetNum", "1s048", 1048, 1048},
            {"SheetNum", "1045<", 1045, 104}, {"FloorIcon", "53", 3, 3},          {"FloorIcon", "P", 9, 9},
            {"FloorIcon", "Pp", 0, 0},        {"Missile", "11", 11, 11},          {"Missile", "112", 2, 2},
            {"Missile", "1^1", 1, 1},         {"SheetNum", "10a", 1001, 1001},    {"SheetNum", "PP1045<8", 1048, 1048}};
        const QHash<char, Qt::Key> named{{'P', Qt::Key_PageUp},    {'p', Qt::Key_PageDown}, {'H', Qt::Key_Home},
                                         {'E', Qt::Key_End},       {'^', Qt::Key_Up},       {'v', Qt::Key_Down},
                                         {'<', Qt::Key_Backspace}, {'x', Qt::Key_Escape},   {'s', Qt::Key_Shift}};
        for (const auto& [name, keys, value, shown] : rows) {
            auto* spinner = qobject_cast<UpDown*>(showPageOf(c(QString("upd") + name)));
            spinner->setFocus();
            const int before = spinner->value();
            for (const char key : "H" + std::string(keys))
                key == 'a'            ? spinner->findChild<QToolButton*>("up")->click()
                : named.contains(key) ? QTest::keyClick(spinner, named[key])
                                      : QTest::keyClick(spinner, key);
            auto* buddy = c<QLabel>(QString("lbl") + name);
            QVERIFY2(buddy->text() == QString::number(shown), keys);
            tabs()->tabBar()->setFocus();
            QVERIFY2(spinner->value() == value && buddy->text() == QString::number(value), keys);
            w->mnuUndo_Click();
            QVERIFY2(spinner->value() == before || value == before, keys);
            w->mnuRedo_Click();
        }
    }

    void pasteGivesBackWhatGenerateWrote()
    {
        QRandomGenerator random(20261207);
        const auto text = [&](int longest, QStringView chars) {
            QString s;
            for (int n = random.bounded(longest + 1); n > 0; --n)
                s += chars[random.bounded(int(chars.size()))];
            return s;
        };
        for (int round = 0; round < 150; ++round) {
            // Each property at random within what its box, spinner or list takes; at times a typed skill.
            ItemDefinition item;
            for (const ItemProperty& p : ItemProperties()) {
                const PropertyValue v = p.value(item);
                for (bool* tick : {v.flag, v.yes})
                    if (tick)
                        *tick = random.bounded(2);
                if (v.number)
                    *v.number = random.bounded(p.low, p.high + 1);
                if (auto* list = v.choice ? c<QComboBox>(p.controls[0]) : nullptr) {
                    const int at = random.bounded(-1, list->count());
                    const bool typed = p.list == &ScriptLists::skills && random.bounded(2);
                    *v.choice = {std::int16_t(at), typed ? text(12, u" ;/x") : list->itemText(at)};
                }
                if (v.text)
                    *v.text = p.kind == PropertyKind::ItemNumber ? QString::number(random.bounded(500))
                              : p.kind == PropertyKind::Quoted   ? text(p.high, u" \"A;z/é€ü’")
                              : p.kind == PropertyKind::FreeText ? text(8, u" ;/\"-7x")
                              : p.kind == PropertyKind::Strength ? (random.bounded(2) ? "-" : "") + text(2, u"09")
                                                                 : text(p.high, u"0123456789");
            }
            // The form holds no tick in a frame its variety disables; the abilities and missile keep theirs.
            for (const ItemProperty& p : ItemProperties())
                if (p.unticks)
                    *p.value(item).flag &= VarietyRule(item.cboVariety.position).*p.frame;

            w->form().ApplyItem(item);
            QVERIFY2(w->form().CurrentItem() == item, qPrintable(BuildItemScript(item)));
            w->mnuGenerate_Click();
            const QString script = paneText(w.get());
            QGuiApplication::clipboard()->setText(script);
            w->mnuReset_Click();
            w->mnuPaste_Click();
            QCOMPARE(paneText(w.get()), script);
            QVERIFY(!w->findChild<QMessageBox*>());
        }
    }

    // Every caption of the form and the About box whole, nothing covering anything, greyed text readable.
    void theLayoutFits()
    {
        QStringList problems;
        for (int page = 0; page < 4; ++page) {
            tabs()->setCurrentIndex(page);
            problems << layoutProblems(w.get());
            QVERIFY(c(QString("fraItemInfo_%1").arg(page + 1))->y()
                    > tabs()->y() + tabs()->tabBar()->geometry().bottom());
        }
        w->mnuAbout_Click();
        QPointer<ItemAbout> about = w->aboutBox();
        problems << layoutProblems(about);
        QTRY_VERIFY(qAbs(about->frameGeometry().center().x() - about->screen()->geometry().center().x()) <= 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
        QCOMPARE(control<QLabel>(about, "Label1")->text(),
                 QStringLiteral("Tarnwick Item Editor\n\nversion 1.0.0\n\nwritten by Ormsby"));
        w->mnuAbout_Click();
        QCOMPARE(w->aboutBox(), about.data());
        QTest::mouseClick(control<QWidget>(about, "cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!about);
        for (auto [text, ground] : {std::pair{QPalette::WindowText, QPalette::Window},
                                    {QPalette::Text, QPalette::Base},
                                    {QPalette::ButtonText, QPalette::Button}})
            QVERIFY(luminance(ground) / luminance(text) >= 3);  // greyed text readable
    }

    // A screen reader tells apart every control reached by Tab or a click, and its kind; lists, spinners give values.
    void aScreenReaderNamesEveryControl()
    {
        const QList<QAccessible::Role> noControl{QAccessible::NoRole, QAccessible::Client, QAccessible::Pane};
        QStringList captions, names;  // a caption that several buttons show tells none of them apart
        for (QAbstractButton* button : w->findChildren<QAbstractButton*>())
            (captions.contains(button->text()) ? names : captions) << button->text();
        for (QWidget* each : w->findChildren<QWidget*>()) {
            if ((each->focusPolicy() == Qt::NoFocus || each->focusProxy() || each->window() != w.get())
                && !each->inherits("ClickCell"))
                continue;
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(each);
            const QString name = seen->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !names.contains(name) && !noControl.contains(seen->role()),
                     qPrintable(each->objectName() + " \"" + name + "\""));
            names << name;
        }
        QCOMPARE(fillersIn(w.get()), QStringList());  // the page container among them
        QAccessible::queryAccessibleInterface(c("imgFloorIcon_7"))->actionInterface()->doAction("Press");
        const std::tuple<const char*, const char*, const char*, int, int> rows[] = {
            {"cboSpecAbil_2", "Special Ability 2", "No Ability", 0, 0},
            {"txtSpecAbil_3", "Strength 3", "0", 0, 0},
            {"imgInvIcon_3", "Inventory icon 3", "", 0, 0},
            {"updSheetNum", "Sheet Number", "1000", 1000, 1048},
            {"updFloorIcon", "Floor Icon", "7", 0, 9},
            {"updMissile", "Missile Animation", "0", 0, 11},
        };
        for (const auto& [control, name, value, low, high] : rows) {
            QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(c(control));
            QAccessibleValueInterface* number = seen->valueInterface();
            QVERIFY2(seen->text(QAccessible::Name) == name && seen->text(QAccessible::Value) == value
                         && (high == 0
                             || (number && number->currentValue().toString() == value && number->minimumValue() == low
                                 && number->maximumValue() == high)),
                     control);
        }
        QAccessibleActionInterface* floor = QAccessible::queryAccessibleInterface(c("updFloorIcon"))->actionInterface();
        floor->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 8);
        floor->doAction(QAccessibleActionInterface::decreaseAction());
        floor->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 6);
    }

    // Each property is on the form: controls of its kind under its caption, its box "Display <caption> in script" (a
    // slot's one box for ability and strength), and a spinner holding what the property's limits let in.
    void eachPropertyIsOnTheFormUnderItsCaption()
    {
        const std::map<PropertyKind, const char*> kinds = {
            {PropertyKind::ItemNumber, "QLineEdit"}, {PropertyKind::ClearImport, "QLineEdit"},
            {PropertyKind::Digits, "QLineEdit"},     {PropertyKind::Strength, "QLineEdit"},
            {PropertyKind::Quoted, "QLineEdit"},     {PropertyKind::FreeText, "QLineEdit"},
            {PropertyKind::List, "QComboBox"},       {PropertyKind::Sheet, "UpDown"},
            {PropertyKind::Spinner, "UpDown"},       {PropertyKind::YesNo, "QRadioButton"}};
        for (const ItemProperty& p : ItemProperties()) {
            QWidget* value = c(p.controls.value(p.kind == PropertyKind::ClearImport ? 2 : 0));
            const auto* frame = qobject_cast<QGroupBox*>(value->parentWidget());
            QVERIFY2(value->inherits(kinds.at(p.kind)) && c(p.controls.back())
                         && (value->accessibleName().startsWith(p.caption)
                             || (frame && QString(frame->title()).remove(u'&') == p.caption))
                         && (p.flagControl.isEmpty()
                             || c(p.flagControl)->accessibleName()
                                    == "Display " + PropertyOfControl(p.flagControl)->caption + " in script"),
                     qPrintable(p.caption));
            if (auto* spinner = qobject_cast<UpDown*>(value))
                QVERIFY(spinner->minimum() == p.low && spinner->maximum() == p.high);
        }
    }

    // Each reference file must hold the entry start-up selects in its list, or the start stops.
    void tooFewRecordsStopTheStart()
    {
        // Where the start-up report is also a message box (a platform with a screen), it is answered.
        QTimer answer;
        answer.callOnTimeout([] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        answer.start(100);
        for (const auto& [file, records] :
             {std::pair{"Variety.dat", ""}, {"Abilities.dat", ""}, {"Skills.dat", "0,a\r\n1,b\r\n2,c\r\n3,d\r\n"}}) {
            const TestGame broken;
            broken.write(QString("ItemEdit/") + file, records);
            QVERIFY2(!ItemGlobal::StartEditor(broken.path()), file);
        }
    }
};

QTEST_MAIN(ItemEditTest)
#include "ItemEditTest.moc"
