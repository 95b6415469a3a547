// The sheets, icon pickers and missile preview of the editor window, on a copy of the sample game.
#include "ui/WindowTestSupport.h"

#include "platform/KeepNoSettings.h"
#include "ui/controls/UpDown.h"
#include "ui/sheets/PictureBox.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class SheetsTest : public QObject, EditorOnSampleGame {
    Q_OBJECT

    const QByteArray kKeptSettings = "[FileDialog]\nshortcuts=file:///kept\nviewMode=List\n";
    QTemporaryDir home;
    std::unique_ptr<ScriptedDialog> dialog;

    const QImage& picture(const char* box) { return c<PictureBox>(box)->picture(); }
    QString sheet(int n) { return game->filePath(QString("Item Graphics/G%1.bmp").arg(n)); }
    QString described(const char* control)
    {
        return QAccessible::queryAccessibleInterface(c(control))->text(QAccessible::Description);
    }
    QImage cell(int sheetNumber, int i) { return QImage(sheet(sheetNumber)).copy(29 * i, 0, 29, 30); }
    bool arrowOn(const char* spinner, const char* which)
    {
        return c<UpDown>(spinner)->findChild<QToolButton*>(which)->isEnabled();
    }
    void start()
    {
        QVERIFY(w = startEditor(game->path()));
        dialog = std::make_unique<ScriptedDialog>();
        c<QTabWidget>("TabStrip1")->setCurrentIndex(1);
    }

private slots:
    void initTestCase()
    {
        // A configuration folder of the test's own, with file dialog settings another run left; the editor keeps none.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        QFile kept(home.filePath("QtProject.conf"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(kKeptSettings) == kKeptSettings.size());
        KeepNoSettings();
    }
    void init() { game = std::make_unique<TestGame>(); }
    void cleanup() { w.reset(), game.reset(), dialog.reset(); }

    void numberedSheetsIconsMissileAndFailures()
    {
        game->write("Item Graphics/G1001.bmp", "not a bitmap");
        const QImage missile(game->filePath("Game Graphics/G1702.bmp"));
        const auto band = [&](int k) {
            return missile.copy(0, k * missile.height() / 12, missile.width(), missile.height() / 12);
        };
        start();
        QCOMPARE(picture("picFloorSheet"), QImage(sheet(1000)));
        QCOMPARE(picture("picInvIcon"), cell(1000, 0));
        QCOMPARE(picture("picMissile"), band(0));
        const QRect inner = c<PictureBox>("picFloorSheet")->contentsRect();
        QCOMPARE(c("imgInvIcon_9")->geometry(), QRect(inner.left() + 9 * 29, inner.top(), 29, 30));
        QVERIFY(!arrowOn("updSheetNum", "down") && arrowOn("updSheetNum", "up"));

        c<UpDown>("updSheetNum")->setValue(1013);  // not in the sample game
        QCOMPARE(w->sheets().SheetPath(), QString());
        QVERIFY(picture("picFloorSheet").isNull() && picture("picInvSheet").isNull());
        const QString folder = QDir::toNativeSeparators(game->filePath("Item Graphics/"));
        QCOMPARE(c<PictureBox>("picFloorSheet")->printedLines(),
                 (QStringList{"File \"G1013.bmp\" not found", "in " + folder}));
        for (const char* told : {"picFloorSheet", "imgFloorIcon_4"})  // the box, and the picker's cells with the focus
            QCOMPARE(described(told), "File \"G1013.bmp\" not found in " + folder);
        QCOMPARE(c<PictureBox>("picInvSheet")->printedLines(), QStringList());
        QVERIFY(picture("picFloorIcon").isNull() && picture("picInvIcon").isNull());  // no icon of the sheet before
        QTest::mouseClick(c("imgFloorIcon_7"), Qt::LeftButton);
        QVERIFY(picture("picFloorIcon").isNull());

        c<UpDown>("updSheetNum")->setValue(1014);
        QCOMPARE(c<PictureBox>("picFloorSheet")->printedLines(), QStringList());
        QCOMPARE(described("picFloorSheet") + described("imgFloorIcon_4"),
                 QStringLiteral("Click an icon to choose it"));
        QCOMPARE(picture("picFloorIcon"), cell(1014, 7));
        QTest::mouseClick(c("imgInvIcon_3"), Qt::LeftButton);
        QCOMPARE(picture("picInvIcon"), cell(1014, 3));
        QTest::mouseClick(c("picFloorSheet"), Qt::LeftButton, {},
                          QPoint(inner.left() + 291, 10));  // right of the tenth cell
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 7);

        c<UpDown>("updSheetNum")->setValue(1001);  // unreadable: the load ends quietly, the sheet shown stays
        QCOMPARE(w->sheets().SheetPath(), sheet(1001));
        QCOMPARE(picture("picFloorSheet"), QImage(sheet(1014)));
        c<UpDown>("updInvIcon")->setValue(2);
        QVERIFY(picture("picInvIcon").isNull());
        c<UpDown>("updSheetNum")->setValue(1048);
        QVERIFY(!arrowOn("updSheetNum", "up"));
        c<UpDown>("updMissile")->setValue(11);
        QCOMPARE(picture("picMissile"), band(11));
        w->mnuReset_Click();
        QCOMPARE(picture("picMissile"), band(0));
    }

    void customSheetsChosenCancelledReloadedAndForgotten()
    {
        start();
        auto* custom = c<QRadioButton>("optCustomSheet");
        auto* numbered = c<QRadioButton>("optSheetNum");
        const QString greg = game->filePath("mine/Greg.bmp"), notes = game->filePath("mine/notes.txt");
        game->write("mine/notes.txt", "hello");
        QFile::copy(sheet(1005), greg);
        c<UpDown>("updInvIcon")->setValue(3);
        // A paste, then another sheet chosen: two Undos give back item, sheet, dialog's file and folder, pane, page.
        QAction* undo = w->findChild<QAction*>("mnuUndo");
        const auto form = [&] {
            const OpenFileDialog& d = w->sheets().dlgFindSheet();
            return QStringList() << c<QLabel>("lblCustomSheet")->text() << c("lblCustomSheet")->toolTip() << d.FileName
                                 << d.FileTitle << d.InitDir << w->sheets().SheetPath() << paneText(w.get())
                                 << QString::number(custom->isChecked()) << QString::number(c("txtScript")->isEnabled())
                                 << QString::number(c<QTabWidget>("TabStrip1")->currentIndex());
        };
        QGuiApplication::clipboard()->setText("begindefineitem 7;\r\n");
        const auto pasteChooseAndUndo = [&] {
            const ItemDefinition item = w->form().CurrentItem();
            const QStringList before = form();
            w->mnuPaste_Click();
            dialog->answers.insert(dialog->seen.size(), sheet(1006));
            custom->click();
            QCOMPARE(undo->text(), QStringLiteral("&Undo Custom Sheet"));
            w->mnuUndo_Click();
            QCOMPARE(undo->text(), QStringLiteral("&Undo Paste"));
            w->mnuUndo_Click();
            QVERIFY(w->form().CurrentItem() == item);
            QCOMPARE(form(), before);
        };
        // Cancel: back to the numbered sheet. Then a sheet; Cancel and a file that is no picture change nothing.
        dialog->answers = {QString(), greg, QString(), notes};
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(dialog->seen, QStringList{"Find Custom Item Sheet|Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*|1|4096|"
                                           + game->path() + "/"});
        QVERIFY(numbered->isChecked() && c("updSheetNum")->isEnabled() && !c("cmdFindCustom")->isEnabled());
        QTest::mouseClick(custom, Qt::LeftButton);
        QTest::mouseClick(c("cmdFindCustom"), Qt::LeftButton);
        QTest::mouseClick(c("cmdFindCustom"), Qt::LeftButton);
        QVERIFY(custom->isChecked() && !c("updSheetNum")->isEnabled());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QStringLiteral("reg"));  // every "G" and ".bmp" out, exact case
        QCOMPARE(c<QLabel>("lblCustomSheet")->toolTip(), greg);
        QCOMPARE(c<QLabel>("lblCustomSheetNote")->text(), QStringLiteral("Preview only: the script writes 1000"));
        QCOMPARE(w->sheets().SheetPath(), notes);  // the failed file, while the sheet shown stays
        QCOMPARE(picture("picInvIcon"), cell(1005, 3));
        // Back and forth: the file last chosen again, without the dialog.
        QTest::mouseClick(numbered, Qt::LeftButton);
        QVERIFY(w->sheets().SheetPath() == sheet(1000) && c<QLabel>("lblCustomSheetNote")->text().isEmpty());
        pasteChooseAndUndo();
        w->sheets().dlgFindSheet().FileName = greg, w->sheets().dlgFindSheet().FileTitle = "Greg.bmp";
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(dialog->seen.size(), 5);
        QCOMPARE(w->sheets().SheetPath(), greg);
        pasteChooseAndUndo();
        // A reset forgets it, and a paste before it: the next choice asks again, and a failed first choice falls back.
        w->mnuPaste_Click();
        w->mnuReset_Click();
        QVERIFY(c<QLabel>("lblCustomSheet")->text().isEmpty() && undo->text() == "&Undo Reset Editor");
        c<QTabWidget>("TabStrip1")->setCurrentIndex(1);
#ifndef Q_OS_WIN
        // No pipe sits in a folder on Windows.
        const QString pipe = game->filePath("mine/pipe.bmp");  // read without waiting for a writer, as no picture
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        dialog->answers << pipe;
        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(dialog->seen.size(), 7);
        QVERIFY(numbered->isChecked());
        QCOMPARE(w->sheets().dlgFindSheet().InitDir, game->filePath("mine") + "/");
#endif
    }

    // An icon picker is one Tab stop, entered on the icon chosen; arrows, Home, End move in it; Space, Return choose.
    void theIconPickersFollowTheKeyboard()
    {
        start();
        c<UpDown>("updFloorIcon")->setValue(4);
        c("updSheetNum")->setFocus();
        const std::tuple<Qt::Key, const char*, int, int> rows[] = {
            {Qt::Key_Tab, "imgFloorIcon_4", 4, 0},   {Qt::Key_Right, "imgFloorIcon_5", 4, 0},
            {Qt::Key_Space, "imgFloorIcon_5", 5, 0}, {Qt::Key_End, "imgFloorIcon_9", 5, 0},
            {Qt::Key_Backtab, "updSheetNum", 5, 0},  {Qt::Key_Tab, "imgFloorIcon_5", 5, 0},
            {Qt::Key_Home, "imgFloorIcon_0", 5, 0},  {Qt::Key_Left, "imgFloorIcon_0", 5, 0},
            {Qt::Key_Down, "imgFloorIcon_1", 5, 0},  {Qt::Key_Return, "imgFloorIcon_1", 1, 0},
            {Qt::Key_Up, "imgFloorIcon_0", 1, 0},    {Qt::Key_Tab, "updFloorIcon", 1, 0},
            {Qt::Key_Tab, "chkFloorIcon", 1, 0},     {Qt::Key_Tab, "imgInvIcon_0", 1, 0},
            {Qt::Key_Right, "imgInvIcon_1", 1, 0},   {Qt::Key_Enter, "imgInvIcon_1", 1, 1},
        };
        for (const auto& [key, focus, floor, inventory] : rows) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY2(QApplication::focusWidget() == c(focus) && c<UpDown>("updFloorIcon")->value() == floor
                         && c<UpDown>("updInvIcon")->value() == inventory,
                     focus);
        }
        QTest::mouseClick(c("imgInvIcon_4"), Qt::LeftButton);  // the focus on the row follows a click
        // The cell with the focus is ringed in the highlight colour.
        const QImage box = c("picInvSheet")->grab().toImage();
        const QColor ring = c("picInvSheet")->palette().color(QPalette::Highlight);
        QVERIFY(box.pixelColor(c("imgInvIcon_4")->pos() + QPoint(1, 1)) == ring
                && box.pixelColor(c("imgInvIcon_1")->pos() + QPoint(1, 1)) != ring);
        QAction* undo = w->findChild<QAction*>("mnuUndo");
        w->mnuUndo_Click();  // the click; each choice is a step of its own, named as a click names it
        QCOMPARE(undo->text(), QStringLiteral("&Undo Inventory Icon"));
        w->mnuUndo_Click();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Floor Icon"));
    }

    // An arrow key selects "Custom Sheet" and shows the sheet last chosen, if any; Return or Space asks for one.
    void arrowKeysPassCustomSheetWithoutTheDialog()
    {
        start();
        auto* custom = c<QRadioButton>("optCustomSheet");
        auto* numbered = c<QRadioButton>("optSheetNum");
        numbered->setFocus();
        QTest::keyClick(numbered, Qt::Key_Right);
        w->mnuUndo_Click();
        w->mnuRedo_Click();
        QVERIFY(custom->isChecked() && custom->hasFocus() && c("cmdFindCustom")->isEnabled() && dialog->seen.isEmpty());
        QCOMPARE(w->sheets().SheetPath(), sheet(1000));
        dialog->answers = {QString(), sheet(1005)};
        QTest::keyClick(custom, Qt::Key_Return);  // cancelled: back to the numbered sheet
        QVERIFY(dialog->seen.size() == 1 && numbered->isChecked());
        QTest::keyClick(custom, Qt::Key_Space);
        QCOMPARE(w->sheets().SheetPath(), sheet(1005));
        QTest::keyClick(custom, Qt::Key_Left);
        QCOMPARE(w->sheets().SheetPath(), sheet(1000));
        QTest::keyClick(numbered, Qt::Key_Right);
        QVERIFY(dialog->seen.size() == 2 && w->sheets().SheetPath() == sheet(1005));
    }

    void aGameFolderInOtherLetterCasesStarts()
    {
        for (const auto& [from, to] : {std::pair{"ItemEdit", "itemedit"},
                                       {"itemedit/Skills.dat", "itemedit/SKILLS.DAT"},
                                       {"Item Graphics", "ITEM GRAPHICS"},
                                       {"ITEM GRAPHICS/G1000.bmp", "ITEM GRAPHICS/g1000.BMP"}})
            QVERIFY(QDir(game->path()).rename(from, to));
        QFile skills(game->filePath("itemedit/SKILLS.DAT"));
        QVERIFY(skills.open(QIODevice::Append) && skills.write("\x1a") == 1);  // the old end-of-file mark
        skills.close();
        start();
        QCOMPARE(c<QComboBox>("cboSkill")->count(), 8);
        QCOMPARE(c<QComboBox>("cboSkill")->itemText(7), QStringLiteral("Crossbows"));
        const bool ignoresCase = QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
        QCOMPARE(w->sheets().SheetPath(),
                 game->filePath(ignoresCase ? "Item Graphics/G1000.bmp" : "ITEM GRAPHICS/g1000.BMP"));
        QVERIFY(!picture("picFloorSheet").isNull() && !picture("picMissile").isNull());
        c<UpDown>("updSheetNum")->setValue(1013);  // the folder searched, as found
        QCOMPARE(c<PictureBox>("picFloorSheet")->printedLines().value(1),
                 "in " + QDir::toNativeSeparators(game->filePath(ignoresCase ? "Item Graphics/" : "ITEM GRAPHICS/")));
    }

    // Both file dialogs are the toolkit's own but on Windows, and neither read nor write the settings another run left;
    // the sheet dialog shows the captions and filters by the patterns: "*" lists every file.
    void theFileDialogsAreTheToolkitsOwnAndKeepNoSettings()
    {
#ifdef Q_OS_WIN
        QSKIP("On Windows both are the system's common Open dialog: the run under Wine checks the registry");
#endif
        QVERIFY(w = startEditor(game->path()));
        QStringList seen;
        const auto inspect = [&] {
            QTimer::singleShot(0, [&] {
                auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                seen << open->windowTitle() << QString::number(open->testOption(QFileDialog::DontUseNativeDialog))
                     << QString::number(open->viewMode() == QFileDialog::Detail)
                     << QString::number(open->sidebarUrls().contains(QUrl("file:///kept")))
                     << open->nameFilters().join(u',') << open->findChild<QComboBox*>("fileTypeCombo")->itemText(1)
                     << QString::number(open->width());
                open->reject();
            });
        };
        inspect();
        QTest::mouseClick(c("optCustomSheet"), Qt::LeftButton);
        inspect();
        w->mnuOpenScenario_Click();
        QCOMPARE(seen,
                 (QStringList{"Find Custom Item Sheet", "1", "1", "0", "Bitmaps (*.bmp) (*.bmp),All Files(*.*) (*)",
                              "All Files(*.*)", "760", "Open Scenario Script", "1", "1", "0",
                              "Scenario Scripts (*.txt) (*.txt),All Files (*)", "All Files", "760"}));
    }
};

QTEST_MAIN(SheetsTest)
#include "SheetsTest.moc"
