// The Scenario Items window on the offscreen platform, over a copy of the sample game: a script opened through the
// dialog, its rows, loading one, the taken-number note, and the list following the file on disk.
#include "ui/WindowTestSupport.h"

#include "ui/controls/EditorStyle.h"
#include "ui/scenario/CompareModel.h"
#include "ui/scenario/CompareWindow.h"
#include "ui/scenario/ScenarioItems.h"
#include "ui/scenario/ScenarioItemsModel.h"

#include <QSaveFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class ScenarioItemsTest : public QObject, EditorOnSampleGame {
    Q_OBJECT

    std::unique_ptr<ScriptedDialog> dialog;
    ScenarioItems* items = nullptr;

    QString text(int row, int column) { return items->model()->index(row, column).data().toString(); }
    int currentRow() { return items->grdItems()->currentIndex().row(); }
    QLabel* note() { return c<QLabel>("lblNumberCheck"); }
    void open(const QStringList& answers)
    {
        dialog.reset(), dialog = std::make_unique<ScriptedDialog>();  // the one before gives the chooser back first
        dialog->answers = answers;
        for (int i = 0; i < answers.size(); ++i)
            w->mnuOpenScenario_Click();
        items = w->scenario().scenarioItems();
    }
    // An access key pressed in `window`; under Wine, whose test keys miss a second window's shortcuts, its control.
    static void accessKey(QWidget* window, Qt::Key key)
    {
#ifdef Q_OS_WIN
        for (QLabel* label : window->findChildren<QLabel*>())
            if (QKeySequence::mnemonic(label->text()) == QKeySequence(Qt::ALT | key))
                label->buddy()->setFocus();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (QKeySequence::mnemonic(button->text()) == QKeySequence(Qt::ALT | key))
                button->click();
#else
        QTest::keyClick(window, key, Qt::AltModifier);
#endif
    }
    // Whether `window` stands beside the editor on its screen, not over it, as it opens where the screen has room.
    bool besideEditor(const QWidget* window)
    {
        const QRect frame = window->frameGeometry();
        return w->screen()->availableGeometry().width() < w->frameGeometry().width() + 2 * frame.width()
               || (w->screen()->availableGeometry().contains(frame) && !frame.intersects(w->frameGeometry()));
    }

private slots:
    void initTestCase() { ApplyEditorStyle(*qApp); }
    void init() { QVERIFY(startOnNewGame()); }
    void cleanup() { w.reset(), game.reset(), dialog.reset(); }

    void listsLoadsAndTellsWhetherTheNumberIsTaken()
    {
        game->write("Scenarios/plot.txt", "// the plot\r\nbegindefineterrain 3;\r\n\tte_name = \"Moss\";\r\n"
                                          "begindefineitem 45;\r\n\tit_name = \"Ember\";\r\n"
                                          "\tit_full_name = \"Smouldering Brand\";\r\n"
                                          "\tit_floor_which_sheet = 1001;\r\n\tit_floor_which_icon = 2;\r\n"
                                          "\tit_inventory_icon = 5;\r\nbegindefineitem 5;\r\n\tit_name = \"Rope\";\r\n"
                                          "\tit_colour = 1;\r\nbegindefineitem 45;\r\n\tit_name = \"Ash\";\r\n"
                                          "begindefineitem 900;\r\nbegindefineitem 130;\r\nbegindefineitem 300;\r\n");
        QGuiApplication::clipboard()->setText("kept");
        QVERIFY(!w->findChild<QAction*>("mnuScenarioItems")->isEnabled());
        open({game->filePath("Scenarios/plot.txt")});
        QVERIFY(items && items->isVisible() && w->findChild<QAction*>("mnuScenarioItems")->isEnabled());
        QVERIFY(besideEditor(items) && items->x() > w->x());
        QCOMPARE(dialog->seen, QStringList{"Open Scenario Script|Scenario Scripts (*.txt)|*.txt|All Files|*.*|1|4096|"
                                           + game->path() + "/"});
        QStringList rows;  // sorted by number, then line; a refused block last
        for (int row = 0; row < items->model()->rowCount(); ++row)
            rows << QStringList{text(row, 1), text(row, 2), text(row, 5), text(row, 6)}.join(u'|');
        QCOMPARE(rows, (QStringList{
                           "5|Rope|10|1 line not applied", "45|Ember|4|also at line 13", "45|Ash|13|also at line 4",
                           "130||16|", "300||17|",
                           "900||15|Cannot be loaded: the item number \"900\" is not a whole number from 0 to 499"}));
        const auto icon = [&](int row) {
            return items->model()->index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
        };
        QVERIFY(icon(0).isNull() && icon(2).isNull());
        QCOMPARE(icon(1), QImage(game->filePath("Item Graphics/G1001.bmp")).copy(2 * 29, 0, 29, 30));
        const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(items);
        QVERIFY(window->role() == QAccessible::Window && window->text(QAccessible::Name) == items->windowTitle());
        QCOMPARE(fillersIn(items), QStringList());
        QCOMPARE(currentRow(), 0);

        QTest::keyClicks(items->grdItems(), "45");
        QCOMPARE(currentRow(), 1);
        QTest::keyClick(items->grdItems(), Qt::Key_Return);
        QCOMPARE(c<QLineEdit>("txtName")->text(), QStringLiteral("Ember"));
        QVERIFY(note()->isVisible() && c<QLabel>("imgNumberCheck")->isVisible());
        QCOMPARE(note()->text(),
                 QStringLiteral("Item 45 matches its definition at line 4 of plot.txt; the one at line 13 "
                                "differs."));
        QCOMPARE(items->grdItems()->selectionModel()->selectedRows().size(), 1);
        QTRY_VERIFY(w->isActiveWindow());

        items->grdItems()->setCurrentIndex(items->model()->index(0, 1));
        QTest::keyClick(items->grdItems(), Qt::Key_Return);  // the load's report names the line not applied
        QTRY_VERIFY(w->findChild<QMessageBox*>() && w->findChild<QMessageBox*>()->text().contains("it_colour"));
        QCOMPARE(w->findChild<QMessageBox*>()->windowTitle(), QStringLiteral("Load from Scenario Items"));
        QVERIFY(w->findChild<QMessageBox*>()->text().startsWith("Some lines of the definition at line 10 of plot.txt"));
        delete w->findChild<QMessageBox*>();
        QVERIFY(note()->text().startsWith("Item 5 matches its definition at line 10 of plot.txt, except for 1 line"));
        QVERIFY(c<QLabel>("imgNumberCheck")->isVisible()
                && note()->palette().color(QPalette::WindowText) == WarningTextColour());
        w->mnuUndo_Click();  // back to the block loaded before, and its note
        QVERIFY(note()->text().startsWith("Item 45 matches its definition at line 4"));
        c<QLineEdit>("txtItemNum")->setText("46");
        w->mnuGenerate_Click();
        QVERIFY(!note()->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));

        QTest::qWait(QApplication::keyboardInputInterval());  // "30" a new number: 300, not 130
        QTest::keyClicks(items->grdItems(), "30");
        QCOMPARE(text(currentRow(), 1), QStringLiteral("300"));
        QTest::keyClicks(items->txtFind(), "aS");
        QCOMPARE(items->model()->rowCount(), 1);
        QCOMPARE(text(currentRow(), 2), QStringLiteral("Ash"));
        items->txtFind()->setText("brand");  // the full name too; Return loads the row
        QTest::keyClick(items->txtFind(), Qt::Key_Return);
        QCOMPARE(c<QLineEdit>("txtItemNum")->text(), QStringLiteral("45"));
        QVERIFY(note()->isVisible());
        w->mnuClear_Click();  // no script, no note
        QVERIFY(!note()->isVisible());
        w->mnuGenerate_Click();
        w->mnuReset_Click();
        QVERIFY(!note()->isVisible());
        QTest::keyClick(items->grdItems(), Qt::Key_Escape);
        QVERIFY(!items->isVisible());

        open({""});  // the dialog starts in the folder of the script last opened; Cancel changes nothing
        QVERIFY(dialog->seen.value(0).endsWith("|" + game->filePath("Scenarios/")) && items->model()->rowCount() == 1);
    }

    // The count under a filter (no number a header writes offered); unloadable blocks reached by mouse and keys, their
    // notes whole below the table, read by a screen reader; the form's number in bold, apart from the selection.
    void countsAndNotesWhatItShows()
    {
        game->write("Scenarios/plot.txt",
                    "BeginDefineItem 0;\nbegindefineitem 3;\nbegindefineitem 41\nbegindefineitem 3;\n"
                    "it_value = x;\nbegindefineitem 5;\n");
        game->write("Scenarios/other.txt", "begindefineitem 1;\n");
        open({game->filePath("Scenarios/plot.txt")});
        auto* clear = items->txtFind()->findChild<QToolButton*>();
        QTest::keyClicks(items->txtFind(), "3");
        QCOMPARE(items->lblStatus()->text(),
                 QStringLiteral("2 of 5 item blocks, 2 item numbers, lowest free number 1; read as UTF-8"));
        QVERIFY(clear->isVisible());
        QTest::keyClick(items->txtFind(), Qt::Key_Backspace);
        QTest::keyClick(items->txtFind(), Qt::Key_Tab);
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up})
            QTest::keyClick(items->grdItems(), key);
        QCOMPARE(items->lblNotes()->text(), QStringLiteral("Item 3 is also defined at line 2.\nLine 5 not applied: "
                                                           "\"Value\" takes digits only"));
        QCOMPARE(QAccessible::queryAccessibleInterface(items->lblNotes())->text(QAccessible::Name),
                 items->lblNotes()->text());
        QTableView* grid = items->grdItems();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(items->model()->index(3, 2)).center());
        QCOMPARE(items->lblNotes()->text(), "Cannot be loaded: \"BeginDefineItem\" is written in another letter case; "
                                            "keys are lower case (\"begindefineitem\")");
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(items->lblNotes()->text(), "Cannot be loaded: not of the form \"begindefineitem <number>;\"");
        c<QLineEdit>("txtItemNum")->setText("3");
        w->mnuGenerate_Click();  // its first row selected, and its rows marked
        const auto bold = [&](int row) {
            return items->model()->index(row, 2).data(Qt::FontRole).value<QFont>().bold();
        };
        QVERIFY(bold(0) && bold(1) && !bold(2) && !bold(3) && !bold(4));
        QCOMPARE(items->grdItems()->selectionModel()->selectedRows(), QModelIndexList{items->model()->index(0, 0)});
        QTest::keyClicks(items->txtFind(), "1");
        QTRY_VERIFY(items->isActiveWindow());
#ifndef Q_OS_WIN  // under Wine the test's keys reach no shortcut of a second window: the X11 and offscreen runs check
        for (const Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier}) {  // Find, its text selected
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_F, modifier);
            QVERIFY(items->txtFind()->hasFocus() && items->txtFind()->selectedText() == "1");
        }
#endif
        open({game->filePath("Scenarios/other.txt")});
        QTRY_VERIFY(items->txtFind()->text().isEmpty() && !clear->isVisible());
    }

    // The form beside the definition loaded: a mark naming the script's value beside each property while it differs;
    // the Compare window, a value taken from it, and another definition chosen. A "%1" in the file name stays as is.
    void comparesTheFormWithTheScript()
    {
        game->write(
            "Scenarios/p%1.txt",
            "begindefineitem 12;\n\tit_name = \"Oak\";\n\tit_magic = 1;\n\tit_variety = 3;\nbegindefineitem 12;\n"
            "\tit_name = \"Ash\";\n\tit_value = 30;\n\tit_variety = 1;\n\tit_damage_per_level = 2;\n");
        open({game->filePath("Scenarios/p%1.txt")});
        const auto marked = [&](const char* box) {
            const auto* mark = w->findChild<QLabel*>(QString("mark_") + box);
            return mark && !mark->isHidden();
        };
        QTest::keyClick(items->grdItems(), Qt::Key_Return);  // the first definition: compared with it, as it changes
        QVERIFY(!marked("chkName") && !marked("chkMagic"));
        auto* name = c<QLineEdit>("txtName");
        QTest::keyClicks(name, "x");
        QTRY_COMPARE(note()->text(),
                     "Item 12 is \"Oak\" (line 1 of p%1.txt) and differs in 1 property: Item Name. It is "
                     "defined at line 5 too.");
        QTest::keyClick(items->grdItems(), Qt::Key_End);
        QTest::keyClick(items->grdItems(), Qt::Key_Return);
        QVERIFY(!marked("chkName") && !marked("chkValue"));
        name->setFocus();
        QTest::keyClicks(name, "en");
        QTRY_VERIFY(marked("chkName"));
        const QLabel* mark = c<QLabel>("mark_chkName");
        QCOMPARE(mark->toolTip(), QStringLiteral("p%1.txt, line 6: \"Ash\""));
        QCOMPARE(name->accessibleDescription(), mark->toolTip());
        QVERIFY(mark->parentWidget()->contentsRect().contains(mark->geometry()));
        QCOMPARE(note()->text(), QStringLiteral("Item 12 is \"Ash\" (line 5 of p%1.txt) and differs in 1 property: "
                                                "Item Name. It is defined at line 1 too."));
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Backspace);
        QTRY_VERIFY(!marked("chkName"));
        QTest::keyClicks(name, "es");
        w->findChild<QAction*>("mnuCompare")->trigger();
        auto* compare = w->findChild<CompareWindow*>();
        QVERIFY(compare && compare->isVisible() && besideEditor(compare) && compare->x() < w->x());
        QCOMPARE(QAccessible::queryAccessibleInterface(compare)->role(), QAccessible::Window);
        QTRY_COMPARE(QApplication::focusWidget(), compare->grdCompare());
        const QModelIndex row = compare->grdCompare()->currentIndex();
        QCOMPARE(compare->model()->rowCount(), 1);
        QCOMPARE(row.siblingAtColumn(CompareModel::Script).data().toString()
                     + row.siblingAtColumn(CompareModel::Line).data().toString(),
                 QStringLiteral("\"Ash\"6"));
        QTest::keyClick(compare->grdCompare(), Qt::Key_Return);  // the script's value, one step
        QCOMPARE(name->text(), QStringLiteral("Ash"));
        QTRY_VERIFY(!marked("chkName"));
        // The other definition, by the keys: more properties differ and are marked; its variety taken unticks damage.
        QCOMPARE(compare->findChild<QComboBox*>("cboBlock")->currentText(), QStringLiteral("line 5"));
        accessKey(compare, Qt::Key_D);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(compare->model()->rowCount(), 5);
        QVERIFY(marked("chkValue") && marked("chkMagic"));
        compare->grdCompare()->setCurrentIndex(
            compare->model()->index(compare->model()->RowOf(PropertyOfKey(u"it_variety")), CompareModel::Property));
        accessKey(compare, Qt::Key_U);
        QTRY_VERIFY(!c<QCheckBox>("chkDamage")->isChecked());
        accessKey(compare, Qt::Key_A);
        QTRY_COMPARE(name->text(), QStringLiteral("Oak"));
        QList<QKeySequence> keys;  // of the window's captions: none stands for two of its controls
        for (const QWidget* each : compare->findChildren<QWidget*>())
            keys << QKeySequence::mnemonic(each->property("text").toString());
        QCOMPARE(QSet(keys.begin(), keys.end()).size() - 1, keys.size() - keys.count(QKeySequence()));
        QTest::keyClick(compare, Qt::Key_Escape);
        QVERIFY(!compare->isVisible());
    }

    // Use Script Value moves to the next row that differs, after the last to the first; a heading names by full name.
    void compareMovesOnToTheNextDifference()
    {
        game->write("Scenarios/plot.txt", "begindefineitem 12;\nit_full_name = \"Oak Staff\";\nit_bonus = 2;\n"
                                          "it_value = 3;\nit_magic = 0;\n");
        open({game->filePath("Scenarios/plot.txt")});
        c<QLineEdit>("txtItemNum")->setText("12");
        w->scenario().ShowComparison();
        auto* compare = w->findChild<CompareWindow*>();
        QCOMPARE(compare->findChild<QLabel*>("lblHeading")->text(), "Item 12 is \"Oak Staff\" (line 1 of plot.txt)");
        compare->findChild<QCheckBox*>("chkOnlyDifferences")->setChecked(false);  // rows that match between them
        const int bonus = compare->model()->RowOf(PropertyOfKey(u"it_bonus"));
        compare->grdCompare()->setCurrentIndex(compare->model()->index(bonus, CompareModel::Property));
        QStringList selected;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(compare->grdCompare(), Qt::Key_Return);
            selected << compare->grdCompare()->currentIndex().siblingAtColumn(CompareModel::Property).data().toString();
        }
        QCOMPARE(selected, (QStringList{"Value", "Magic Item?", "Item Full Name"}));
        // Undo and Redo of a script value taken bring the page of its property to the front, the focus on its control.
        for (const bool undo : {true, false}) {
            c<QTabWidget>("TabStrip1")->setCurrentIndex(0);
            undo ? w->mnuUndo_Click() : w->mnuRedo_Click();
            QVERIFY(c<QTabWidget>("TabStrip1")->currentIndex() == 2 && w->focusWidget() == c("optMagicNo"));
        }
    }

    // Values the form cannot take: listed as written, shown differing, never taken; Use All reports them, titled.
    void showsWhatTheFormCannotTake()
    {
        game->write("Scenarios/long.txt", "begindefineitem 7;\n\tit_name = \"Sword of the Northern Kings\";\n"
                                          "\tit_full_name = \"Sword\";\n\tit_value = 99999999;\n");
        open({game->filePath("Scenarios/long.txt")});
        QCOMPARE(text(0, 2) + "|" + text(0, 6), QStringLiteral("Sword of the Northern Kings|2 lines not applied"));
        QTest::keyClick(items->grdItems(), Qt::Key_Return);
        delete w->findChild<QMessageBox*>();
        for (const char* box : {"mark_chkName", "mark_chkValue"})
            QVERIFY2(!c<QLabel>(box)->isHidden(), box);
        auto* name = c<QLineEdit>("txtName");
        name->setText("Blade");
        w->findChild<QAction*>("mnuCompare")->trigger();
        auto* compare = w->findChild<CompareWindow*>();
        auto* useValue = compare->findChild<QPushButton*>("cmdUseValue");
        QCOMPARE(compare->model()->rowCount(), 2);
        for (int row : {0, 1}) {
            compare->grdCompare()->setCurrentIndex(compare->model()->index(row, CompareModel::Property));
            QVERIFY(!useValue->isEnabled()
                    && useValue->toolTip().startsWith("The form cannot take the script's value"));
            QTest::keyClick(compare->grdCompare(), Qt::Key_Return);
            QCOMPARE(name->text(), QStringLiteral("Blade"));
        }
        compare->findChild<QPushButton*>("cmdUseAll")->click();
        QTRY_VERIFY(w->findChild<QMessageBox*>());
        QCOMPARE(w->findChild<QMessageBox*>()->windowTitle(), QStringLiteral("Use All Script Values"));
    }

    // Ctrl+Home, Ctrl+End and a page move through the rows; the line column shows a line number of six digits whole.
    void followsTheScriptRenamedOverDeletedAndBack()
    {
        const QString path = game->filePath("Scenarios/plot.txt");
        game->write("Scenarios/plot.txt", "begindefineitem 1;\nbegindefineitem 2;\n\tit_name = \"Old\";\n");
        open({path});
        QTest::keyClick(items->grdItems(), Qt::Key_Down);
        QTest::keyClick(items->grdItems(), Qt::Key_Return);
        QCOMPARE(note()->text(), QStringLiteral("Item 2 matches its definition at line 2 of plot.txt."));
        // A save as many editors make it: a new file renamed over the old one.
        QSaveFile save(path);
        const QByteArray saved = "begindefineitem 0;\nbegindefineitem 1;\n" + QByteArray(999990, '\n')
                                 + "begindefineitem 2;\n\tit_name = \"New\";\n";
        QVERIFY(save.open(QIODevice::WriteOnly) && save.write(saved) == saved.size() && save.commit());
        QTRY_COMPARE_WITH_TIMEOUT(items->model()->rowCount(), 3, 3000);
        QCOMPARE(text(currentRow(), 1), QStringLiteral("2"));
        const QString differs("Item 2 is \"New\" (line 999993 of plot.txt) and differs in 1 property: Item Name");
        QCOMPARE(note()->text(), differs + '.');
        QTableView* grid = items->grdItems();
        const QAbstractItemView* view = grid;  // its own measure of the cells, for a column of rows in view
        QVERIFY(grid->columnWidth(ScenarioItemsModel::Line) >= view->sizeHintForColumn(ScenarioItemsModel::Line));
        for (const auto& [key, modifiers, row] : {std::tuple{Qt::Key_Home, Qt::ControlModifier, 0},
                                                  {Qt::Key_PageDown, Qt::NoModifier, 2},
                                                  {Qt::Key_PageUp, Qt::NoModifier, 0},
                                                  {Qt::Key_End, Qt::ControlModifier, 2}}) {
            QTest::keyClick(grid, key, modifiers);
            QCOMPARE(grid->selectionModel()->selectedRows().value(0).row(), row);
        }
        // The note beside the script follows the file as the list does.
        QVERIFY(QFile::remove(path));
        QTRY_VERIFY_WITH_TIMEOUT(items->lblStatus()->text().contains("no longer"), 3000);
        QCOMPARE(note()->text(), differs + ", as last read; plot.txt is no longer in its folder.");
        w->scenario().ShowComparison();  // nothing taken from the script as last read
        auto* compare = w->findChild<CompareWindow*>();
        QCOMPARE(compare->findChild<QLabel*>("lblHeading")->text(),
                 "Item 2 is \"New\" (line 999993 of plot.txt), as last read; plot.txt is no longer in its folder.");
        QTest::keyClick(compare->grdCompare(), Qt::Key_Return);
        QCOMPARE(c<QLineEdit>("txtName")->text(), QStringLiteral("Old"));
        auto* useAll = compare->findChild<QPushButton*>("cmdUseAll");
        QVERIFY(!useAll->isEnabled() && useAll->toolTip().startsWith("The script's values are as last read, and plot"));
#ifndef Q_OS_WIN
        // No pipe sits in a folder on Windows.
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);  // refused, never waited on
        QTRY_VERIFY_WITH_TIMEOUT(items->lblStatus()->text().contains("not a regular file"), 3000);
        QVERIFY(QFile::remove(path) && items->model()->rowCount() == 3);
#endif
        game->write("Scenarios/plot.txt", "begindefineitem 2;\n\tit_name = \"Old\";\n");
        QTRY_COMPARE_WITH_TIMEOUT(items->model()->rowCount(), 1, 3000);
        QCOMPARE(note()->text(), QStringLiteral("Item 2 matches its definition at line 1 of plot.txt."));
        QVERIFY(useAll->isEnabled() && useAll->toolTip().isEmpty());
        // The whole folder gone and made again: the list follows as before.
        QVERIFY(QDir(game->filePath("Scenarios")).removeRecursively());
        QTRY_VERIFY_WITH_TIMEOUT(items->lblStatus()->text().contains("no longer"), 3000);
        game->write("Scenarios/plot.txt", "begindefineitem 6;\nbegindefineitem 7;\n");
        QTRY_COMPARE_WITH_TIMEOUT(items->model()->rowCount(), 2, 3000);
    }
};

QTEST_MAIN(ScenarioItemsTest)
#include "ScenarioItemsTest.moc"
