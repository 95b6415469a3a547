#include "WindowTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "ui/EditorStyle.h"
#include "ui/UpDown.h"

class ItemEditTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    std::unique_ptr<ItemEdit> w;

    template <class T>
    T* c(const QString& name) { return control<T>(w.get(), name); }
    QLineEdit* box(const QString& name) { return c<QLineEdit>(name); }
    QCheckBox* flag(const QString& name) { return c<QCheckBox>(name); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { pressKey(w.get(), k, m); }
    void showPage(int index) { c<QTabWidget>("TabStrip1")->setCurrentIndex(index - 1); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Replaces a box's text by typing, as the user would after selecting it all.
    void retype(const QString& name, const QString& text)
    {
        QLineEdit* b = box(name);
        b->setFocus();
        b->selectAll();
        if (text.isEmpty())
            QTest::keyClick(b, Qt::Key_Backspace);
        else
            QTest::keyClicks(b, text);
    }
    void stepUp(const QString& spinner, int times)
    {
        for (int i = 0; i < times; ++i)
            click(c<UpDown>(spinner)->findChild<QToolButton*>("up"));
    }
    QStringList visiblePages()
    {
        QStringList shown;
        for (int i = 1; i <= 4; ++i)
            if (c<QWidget>(QStringLiteral("fraItemInfo_%1").arg(i))->isVisible())
                shown << QString::number(i);
        return shown;
    }
    QStringList enabledVarietyFrames()
    {
        QStringList on;
        for (const char* name : {"fraDamage", "fraBonus", "fraSkill", "fraProtect", "fraEncumb", "fraSpecAbil", "fraMissile"})
            if (c<QGroupBox>(name)->isEnabled())
                on << name;
        return on;
    }

private slots:
    void initTestCase() { ApplyEditorStyle(*qApp); }

    void init()
    {
        game = std::make_unique<TestGame>();
        game->writeStandardGame();
        w = startEditor(*game);
        QVERIFY(w);
    }

    void cleanup()
    {
        w.reset();
        game.reset();
    }

    void opensInTheDefaultStateAndGeneratesTheItemNumberLine()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tarnwick Item Editor"));
        QCOMPARE(c<QTabWidget>("TabStrip1")->currentIndex(), 0);
        QCOMPARE(visiblePages(), QStringList{"1"});
        QCOMPARE(box("txtItemNum")->text(), QStringLiteral("440"));
        QVERIFY(c<QRadioButton>("optClear")->isChecked());
        QVERIFY(!box("txtImport")->isEnabled());
        QCOMPARE(box("txtName")->text(), QString());
        QCOMPARE(c<QComboBox>("cboVariety")->currentIndex(), 0);
        QCOMPARE(c<QComboBox>("cboSkill")->currentIndex(), 4);
        QCOMPARE(c<QComboBox>("cboSkill")->currentText(), QStringLiteral("Pole Arms"));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(c<QComboBox>(QStringLiteral("cboSpecAbil_%1").arg(i))->currentIndex(), 0);
            QCOMPARE(c<QComboBox>(QStringLiteral("cboSpecAbil_%1").arg(i))->count(), 20);
            QCOMPARE(box(QStringLiteral("txtSpecAbil_%1").arg(i))->text(), QStringLiteral("0"));
        }
        for (const char* name : {"txtDamage", "txtBonus", "txtProtect", "txtCharges", "txtEncumb", "txtIconAdjust",
                                 "txtSpecClass", "txtValue", "txtWeight", "txtImport"})
            QCOMPARE(box(name)->text(), QStringLiteral("0"));
        for (const char* name : {"optIdentNo", "optMagicNo", "optCurseNo", "optUseOnceNo", "optJunkNo", "optSheetNum"})
            QVERIFY2(c<QRadioButton>(name)->isChecked(), name);
        QCOMPARE(c<UpDown>("updSheetNum")->value(), 1000);
        QCOMPARE(c<QLabel>("lblSheetNum")->text(), QStringLiteral("1000"));
        QVERIFY(!c<QWidget>("cmdFindCustom")->isEnabled());
        QCOMPARE(enabledVarietyFrames(), QStringList());
        QVERIFY(c<QGroupBox>("fraCharges")->isEnabled());
        for (QCheckBox* check : w->findChildren<QCheckBox*>())
            QVERIFY2(!check->isChecked(), qPrintable(check->objectName()));
        QVERIFY(!c<QPlainTextEdit>("txtScript")->isEnabled());

        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 440;\r\n"));
        QVERIFY(c<QPlainTextEdit>("txtScript")->isEnabled());
        QCOMPARE(c<QTabWidget>("TabStrip1")->currentIndex(), 3);
        QCOMPARE(visiblePages(), QStringList{"4"});
        QCOMPARE(QApplication::focusWidget(), c<QWidget>("txtScript"));
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n"));
    }

    void theEmberDaggerEnteredThroughTheControls()
    {
        retype("txtItemNum", "45");
        click(flag("chkClearImport"));
        retype("txtName", "Ember Dagger");
        click(flag("chkName"));
        retype("txtFullName", "Dagger of Embers");
        click(flag("chkFullName"));
        c<QComboBox>("cboVariety")->setCurrentIndex(1);
        click(flag("chkVariety"));
        retype("txtDamage", "4");
        click(flag("chkDamage"));
        retype("txtBonus", "1");
        click(flag("chkBonus"));
        c<QComboBox>("cboSkill")->setCurrentIndex(2);
        click(flag("chkSkill"));
        click(flag("chkEncumb"));

        showPage(2);
        stepUp("updSheetNum", 2);
        click(c<QWidget>("imgFloorIcon_7"));
        stepUp("updInvIcon", 7);
        click(flag("chkFloorIcon"));
        click(flag("chkInvIcon"));
        c<QComboBox>("cboSpecAbil_1")->setCurrentIndex(12);
        retype("txtSpecAbil_1", "5");
        click(flag("chkSpecAbil_1"));

        showPage(3);
        retype("txtValue", "150");
        click(flag("chkValue"));
        retype("txtWeight", "12");
        click(flag("chkWeight"));
        click(flag("chkIdentify"));
        click(c<QRadioButton>("optMagicYes"));
        click(flag("chkMagic"));

        key(Qt::Key_G);
        const QString expected = QStringLiteral(
            "begindefineitem 45;\r\n"
            "\tclear;\r\n"
            "\tit_name = \"Ember Dagger\";\r\n"
            "\tit_full_name = \"Dagger of Embers\";\r\n"
            "\tit_variety = 1; // One-Handed Weapon\r\n"
            "\tit_damage_per_level = 4;\r\n"
            "\tit_bonus = 1;\r\n"
            "\tit_weapon_skill_used = 2; // Edged Weapons\r\n"
            "\tit_encumbrance = 0;\r\n"
            "\tit_floor_which_sheet = 1002;\r\n"
            "\tit_floor_which_icon = 7;\r\n"
            "\tit_inventory_icon = 7;\r\n"
            "\tit_ability_1 = 12; // Fire Damage\r\n"
            "\tit_ability_str_1 = 5;\r\n"
            "\tit_value = 150;\r\n"
            "\tit_weight = 12;\r\n"
            "\tit_identified = 0;\r\n"
            "\tit_magic = 1;\r\n");
        QCOMPARE(paneText(w.get()), expected);
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), expected);
        // Generating again gives the same text, whatever was typed into the pane.
        QTest::keyClicks(c<QPlainTextEdit>("txtScript"), "scribble");
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), expected);
    }

    void resetReturnsToTheStartingItemButKeepsThreeFlags()
    {
        retype("txtItemNum", "12");
        retype("txtName", "Thing");
        click(flag("chkName"));
        c<QComboBox>("cboVariety")->setCurrentIndex(5);
        click(flag("chkDamage"));
        showPage(3);
        click(flag("chkMissile"));
        stepUp("updMissile", 5);
        click(c<QRadioButton>("optMagicYes"));
        retype("txtValue", "");
        showPage(2);
        click(flag("chkFloorIcon"));
        click(flag("chkInvIcon"));
        stepUp("updSheetNum", 2);
        stepUp("updFloorIcon", 3);
        key(Qt::Key_G);
        showPage(3);

        key(Qt::Key_R);
        QCOMPARE(c<QTabWidget>("TabStrip1")->currentIndex(), 0);
        QCOMPARE(visiblePages(), QStringList{"1"});
        QCOMPARE(paneText(w.get()), QString());
        QVERIFY(!c<QPlainTextEdit>("txtScript")->isEnabled());
        QCOMPARE(box("txtItemNum")->text(), QStringLiteral("440"));
        QCOMPARE(box("txtName")->text(), QString());
        QCOMPARE(box("txtValue")->text(), QStringLiteral("0"));
        QVERIFY(!flag("chkName")->isChecked());
        QVERIFY(!flag("chkDamage")->isChecked());
        QVERIFY(c<QRadioButton>("optMagicNo")->isChecked());
        QCOMPARE(c<QComboBox>("cboVariety")->currentIndex(), 0);
        QCOMPARE(c<UpDown>("updMissile")->value(), 0);
        QCOMPARE(c<UpDown>("updSheetNum")->value(), 1000);
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 0);
        QCOMPARE(enabledVarietyFrames(), QStringList());
        for (const char* kept : {"chkFloorIcon", "chkInvIcon", "chkMissile"})
            QVERIFY2(flag(kept)->isChecked(), kept);

        const QString afterReset = QStringLiteral(
            "begindefineitem 440;\r\n\tit_floor_which_sheet = 1000;\r\n\tit_floor_which_icon = 0;\r\n"
            "\tit_inventory_icon = 0;\r\n\tit_missile_anim_type = 0;");
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), afterReset);
        key(Qt::Key_R);
        key(Qt::Key_R);
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), afterReset);
    }

    void menuShortcutsWorkWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("page");
        QTest::newRow("item number") << "txtItemNum" << 1;
        QTest::newRow("name") << "txtName" << 1;
        QTest::newRow("typed skill") << "cboSkill" << 1;
        QTest::newRow("variety list") << "cboVariety" << 1;
        QTest::newRow("icon adjust") << "txtIconAdjust" << 2;
        QTest::newRow("sheet spinner") << "updSheetNum" << 2;
        QTest::newRow("weight") << "txtWeight" << 3;
    }

    void menuShortcutsWorkWhateverHasTheFocus()
    {
        QFETCH(QString, field);
        QFETCH(int, page);
        c<QComboBox>("cboVariety")->setCurrentIndex(1);  // enables the skill frame
        const auto focusField = [&] {
            showPage(page);
            QWidget* target = c<QWidget>(field);
            target->setFocus();
            QTRY_VERIFY(target->hasFocus() || target->isAncestorOf(QApplication::focusWidget()));
        };
        focusField();
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 440;\r\n"));

        focusField();
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n"));

        focusField();
        key(Qt::Key_E);
        QCOMPARE(paneText(w.get()), QString());
        QVERIFY(!c<QWidget>("txtScript")->isEnabled());

        focusField();
        key(Qt::Key_R);
        QCOMPARE(c<QTabWidget>("TabStrip1")->currentIndex(), 0);
    }

    void copyTakesTheScriptNotTheSelectedName()
    {
        key(Qt::Key_G);
        retype("txtName", "Ember");
        box("txtName")->selectAll();
        QVERIFY(box("txtName")->hasSelectedText());
        QGuiApplication::clipboard()->setText("before");
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n"));
    }

    void copyTakesTheSelectionOrTheWholeScript()
    {
        click(flag("chkCharges"));
        key(Qt::Key_G);
        auto* pane = c<QPlainTextEdit>("txtScript");
        QTextCursor cursor = pane->textCursor();
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        pane->setTextCursor(cursor);
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n"));
        QCOMPARE(pane->textCursor().selectionEnd(), cursor.selectionEnd());  // selection untouched

        cursor.clearSelection();
        pane->setTextCursor(cursor);
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n\tit_charges = 0;\r\n"));

        // Edits made in the pane are copied as they stand.
        cursor.movePosition(QTextCursor::End);
        pane->setTextCursor(cursor);
        QTest::keyClicks(pane, "// mine");
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QStringLiteral("begindefineitem 440;\r\n\tit_charges = 0;\r\n// mine"));

        key(Qt::Key_E);
        key(Qt::Key_E);
        QVERIFY(!pane->isEnabled());
        key(Qt::Key_C);
        QCOMPARE(clipboardText(), QString());
    }

    void keyRulesFilterTypedCharacters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits only") << "txtDamage" << "a1+. -2/:" << "12";
        QTest::newRow("value") << "txtValue" << "9x9e9" << "999";
        QTest::newRow("strength takes minus anywhere") << "txtSpecAbil_2" << "-5-x" << "-5-";
        QTest::newRow("strength twice minus") << "txtSpecAbil_2" << "--" << "--";
        QTest::newRow("name takes everything") << "txtName" << "a+. -\"q\"" << "a+. -\"q\"";
        QTest::newRow("icon adjust takes everything") << "txtIconAdjust" << "-3 x" << "-3 x";
    }

    void keyRulesFilterTypedCharacters()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        c<QComboBox>("cboVariety")->setCurrentIndex(1);  // enables the ability frame
        showPage(field.startsWith("txtSpecAbil") || field == "txtIconAdjust" ? 2 : field == "txtValue" ? 3 : 1);
        retype(field, "");
        QTest::keyClicks(box(field), typed);
        QCOMPARE(box(field)->text(), expected);
    }

    void controlCharactersAreDiscardedButEditingKeysWork()
    {
        retype("txtItemNum", "123");
        QLineEdit* number = box("txtItemNum");
        const auto send = [](QWidget* target, Qt::Key k, const QString& text, Qt::KeyboardModifiers m = {}) {
            QKeyEvent press(QEvent::KeyPress, k, m, text);
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, k, m, text);
            QApplication::sendEvent(target, &release);
        };
        QGuiApplication::clipboard()->setText("77");
        send(number, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);  // Ctrl+V as X11 types it
        send(number, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(number->text(), QStringLiteral("123"));
        send(number, Qt::Key_Backspace, QStringLiteral("\b"));
        QCOMPARE(number->text(), QStringLiteral("12"));
        send(number, Qt::Key_Home, QString());
        send(number, Qt::Key_Delete, QStringLiteral("\x7f"));
        QCOMPARE(number->text(), QStringLiteral("2"));
        send(number, Qt::Key_End, QString());
        send(number, Qt::Key_Left, QString());
        QTest::keyClicks(number, "4");
        QCOMPARE(number->text(), QStringLiteral("42"));
    }

    void leaveFieldRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("expected");
        QTest::newRow("item number empty") << "txtItemNum" << "" << "" << "0";
        QTest::newRow("item number 499") << "txtItemNum" << "499" << "" << "499";
        QTest::newRow("item number 500") << "txtItemNum" << "500" << "" << "499";
        QTest::newRow("item number 007") << "txtItemNum" << "007" << "" << "007";
        QTest::newRow("value empty, flagged") << "txtValue" << "" << "chkValue" << "0";
        QTest::newRow("value empty, not flagged") << "txtValue" << "" << "" << "";
        QTest::newRow("weight 0012 flagged") << "txtWeight" << "0012" << "chkWeight" << "0012";
        QTest::newRow("special class empty, flagged") << "txtSpecClass" << "" << "chkSpecClass" << "0";
        QTest::newRow("damage has no rule") << "txtDamage" << "" << "chkDamage" << "";
    }

    void leaveFieldRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, ticked);
        QFETCH(QString, expected);
        c<QComboBox>("cboVariety")->setCurrentIndex(1);
        showPage(field == "txtItemNum" || field == "txtDamage" ? 1 : 3);
        if (!ticked.isEmpty())
            click(flag(ticked));
        retype(field, typed);
        QCOMPARE(box(field)->text(), typed);
        QTest::keyClick(box(field), Qt::Key_Tab);
        QVERIFY(!box(field)->hasFocus());
        QCOMPARE(box(field)->text(), expected);
    }

    void leaveFieldRulesRunOnlyOnLeaving()
    {
        showPage(3);
        retype("txtValue", "");
        click(flag("chkValue"));  // ticking after emptying does not fill the box by itself...
        QCOMPARE(box("txtValue")->text(), QString());
        // ...but the box was left by that click, and its flag was clear then.
        retype("txtValue", "");
        auto* tabs = c<QTabWidget>("TabStrip1");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(box("txtValue")->text(), QStringLiteral("0"));  // leaving by a tab click counts
    }

    void importNumberOptionsAndRule()
    {
        click(c<QRadioButton>("optImport"));
        QVERIFY(box("txtImport")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), box("txtImport"));
        box("txtImport")->selectAll();
        QTest::keyClicks(box("txtImport"), "256");
        QTest::keyClick(box("txtImport"), Qt::Key_Tab);
        QCOMPARE(box("txtImport")->text(), QStringLiteral("255"));
        click(flag("chkClearImport"));
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 440;\r\n\timport = 255;\r\n"));
        showPage(1);
        click(c<QRadioButton>("optClear"));
        QVERIFY(!box("txtImport")->isEnabled());
        QCOMPARE(box("txtImport")->text(), QStringLiteral("255"));
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 440;\r\n\tclear;\r\n"));
    }

    void generateSeesTheFieldBeforeItsLeaveRule()
    {
        retype("txtItemNum", "600");
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 600;\r\n"));
        QCOMPARE(box("txtItemNum")->text(), QStringLiteral("499"));
    }

    void varietyRuleFollowsTheList()
    {
        auto* variety = c<QComboBox>("cboVariety");
        variety->setCurrentIndex(5);
        QCOMPARE(enabledVarietyFrames(), (QStringList{"fraDamage", "fraBonus", "fraSkill", "fraProtect", "fraEncumb",
                                                      "fraSpecAbil", "fraMissile"}));
        variety->setCurrentIndex(1);
        click(flag("chkDamage"));
        click(flag("chkBonus"));
        variety->setCurrentIndex(3);
        QVERIFY(!flag("chkDamage")->isChecked());
        QVERIFY(!flag("chkBonus")->isChecked());
        variety->setCurrentIndex(1);
        QVERIFY(c<QGroupBox>("fraDamage")->isEnabled());
        QVERIFY(!flag("chkDamage")->isChecked());
        variety->setCurrentIndex(15);
        QCOMPARE(enabledVarietyFrames(), (QStringList{"fraBonus", "fraSkill", "fraProtect", "fraEncumb", "fraSpecAbil"}));
        variety->setCurrentIndex(23);
        QCOMPARE(enabledVarietyFrames(), (QStringList{"fraSpecAbil", "fraMissile"}));
        showPage(3);
        click(flag("chkMissile"));
        showPage(2);
        click(flag("chkSpecAbil_2"));
        variety->setCurrentIndex(0);
        QCOMPARE(enabledVarietyFrames(), QStringList());
        QVERIFY(flag("chkMissile")->isChecked());
        QVERIFY(flag("chkSpecAbil_2")->isChecked());
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()),
                 QStringLiteral("begindefineitem 440;\r\n\tit_ability_2 = 0; // Ability 0\r\n"
                                "\tit_ability_str_2 = 0;\r\n\tit_missile_anim_type = 0;"));
    }

    void aboutBoxOpensOnceClosesAndOpensFresh()
    {
        auto* about = w->findChild<QAction*>("mnuAbout");
        about->trigger();
        QPointer<ItemAbout> first = w->aboutBox();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->parentWidget(), nullptr);
        QCOMPARE(control<QLabel>(first, "Label1")->text(),
                 QStringLiteral("Tarnwick Item Editor\n\nversion 1.0.0\n\nwritten by Ormsby"));
        QTest::qWait(50);
        const QRect screen = first->screen()->geometry();
        QVERIFY(qAbs(first->frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(first->frameGeometry().center().y() - screen.center().y()) <= 1);
        auto* label = control<QLabel>(first, "Label1");
        QCOMPARE(label->x(), qRound((first->frameGeometry().width() - label->width()) / 2.0));

        first->move(10, 10);
        about->trigger();
        QCOMPARE(w->aboutBox(), first.data());
        QCOMPARE(first->pos(), QPoint(10, 10));
        w->activateWindow();  // the editor stays usable beside the box
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        key(Qt::Key_G);
        QCOMPARE(paneText(w.get()), QStringLiteral("begindefineitem 440;\r\n"));

        click(control<QWidget>(first, "cmdOK"));
        QTRY_VERIFY(!first);
        QVERIFY(!w->aboutBox());
        about->trigger();
        QVERIFY(w->aboutBox());
        QTRY_VERIFY(qAbs(w->aboutBox()->frameGeometry().center().x() - screen.center().x()) <= 1);
        w->aboutBox()->close();
        QTRY_VERIFY(!w->aboutBox());
    }

    void focusOrderFollowsTheForm()
    {
        box("txtItemNum")->setFocus();
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // optImport is skipped: only the selected button of a group takes the tab.
        QCOMPARE(order, (QStringList{"txtItemNum", "optClear", "chkClearImport", "txtName", "chkName", "txtFullName"}));
    }
};

QTEST_MAIN(ItemEditTest)
#include "ItemEditTest.moc"
