#include "WindowTestSupport.h"

#include "graphics/PictureBox.h"
#include "graphics/SheetFileDialog.h"
#include "ui/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <deque>

// Answers the custom-sheet dialog from a queue: a path chooses that file, an
// empty string cancels. Records what the dialog was opened with.
class ScriptedDialog : public SheetFileDialog {
public:
    bool ShowOpen() override
    {
        ++shown;
        seenTitle = DialogTitle;
        seenFilter = Filter;
        seenFilterIndex = FilterIndex;
        seenInitDir = InitDir;
        seenFlags = Flags;
        const QString answer = answers.empty() ? QString() : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (answer.isEmpty())
            return false;
        FileName = answer;
        FileTitle = answer.mid(answer.lastIndexOf('/') + 1);
        return true;
    }

    std::deque<QString> answers;
    int shown = 0;
    QString seenTitle, seenFilter, seenInitDir;
    int seenFilterIndex = 0, seenFlags = 0;
};

class GraphicsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    std::unique_ptr<ItemEdit> w;
    ScriptedDialog* dialog = nullptr;

    template <class T>
    T* c(const QString& name) { return control<T>(w.get(), name); }
    PictureBox* box(const QString& name) { return c<PictureBox>(name); }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void step(const QString& spinner, const char* arrow) { click(c<UpDown>(spinner)->findChild<QToolButton*>(arrow)); }
    QRgb pixel(const QString& pictureBox, int x = 3, int y = 3) { return box(pictureBox)->picture().pixel(x, y); }

    void start()
    {
        w = startEditor(*game);
        QVERIFY(w);
        auto scripted = std::make_unique<ScriptedDialog>();
        dialog = scripted.get();
        w->setSheetFileDialog(std::move(scripted));
        c<QTabWidget>("TabStrip1")->setCurrentIndex(1);
    }

    // A custom sheet in a folder of its own, drawn like sheet `like`.
    QString customSheet(const QString& name, int like)
    {
        game->writeSheet(like);
        const QString folder = game->filePath("custom sheets");
        QDir().mkpath(folder);
        const QString path = folder + "/" + name;
        QFile::remove(path);
        QFile::rename(game->filePath(QStringLiteral("Item Graphics/G%1.bmp").arg(like)), path);
        return path;
    }

private slots:
    void init()
    {
        game = std::make_unique<TestGame>();
        game->writeStandardGame();
    }

    void cleanup()
    {
        w.reset();
        game.reset();
        dialog = nullptr;
    }

    void numberedSheetsFollowTheSpinner()
    {
        start();
        const QString g1000 = game->filePath("Item Graphics/G1000.bmp");
        QCOMPARE(w->SheetPath(), g1000);
        QCOMPARE(pixel("picFloorSheet", 7 * 29 + 3), TestGame::cellColour(1000, 7));
        QCOMPARE(pixel("picInvSheet", 2 * 29 + 3), TestGame::cellColour(1000, 2));
        QCOMPARE(pixel("picFloorIcon"), TestGame::cellColour(1000, 0));
        QCOMPARE(box("picFloorIcon")->picture().size(), QSize(29, 30));

        step("updSheetNum", "down");  // stays at its minimum
        QCOMPARE(c<UpDown>("updSheetNum")->value(), 1000);

        step("updSheetNum", "up");  // G1001.bmp is missing
        QCOMPARE(c<QLabel>("lblSheetNum")->text(), QStringLiteral("1001"));
        QCOMPARE(w->SheetPath(), QString());
        QVERIFY(box("picFloorSheet")->picture().isNull());
        QVERIFY(box("picInvSheet")->picture().isNull());
        QCOMPARE(box("picFloorSheet")->printedLines(), QStringList{"File \"G1001.bmp\" not found"});
        QCOMPARE(box("picInvSheet")->printedLines(), QStringList());
        QCOMPARE(pixel("picFloorIcon"), TestGame::cellColour(1000, 0));  // previews keep their icons
        box("picFloorSheet")->repaint();
        QCOMPARE(box("picFloorSheet")->printedLines().size(), 1);

        // An icon change with no sheet leaves its preview empty.
        step("updInvIcon", "up");
        QVERIFY(box("picInvIcon")->picture().isNull());

        step("updSheetNum", "up");
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1002.bmp"));
        QCOMPARE(box("picFloorSheet")->printedLines(), QStringList());
        QCOMPARE(pixel("picFloorSheet"), TestGame::cellColour(1002, 0));
        QCOMPARE(pixel("picInvIcon"), TestGame::cellColour(1002, 1));
    }

    void anUnreadableSheetEndsTheLoadQuietly()
    {
        game->write("Item Graphics/G1001.bmp", "not a bitmap");
        start();
        step("updSheetNum", "up");
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1001.bmp"));
        QCOMPARE(box("picFloorSheet")->printedLines(), QStringList());
        QCOMPARE(pixel("picFloorSheet"), TestGame::cellColour(1000, 0));  // the old sheet stays
        step("updFloorIcon", "up");
        QVERIFY(box("picFloorIcon")->picture().isNull());
    }

    void iconCellsPickIcons()
    {
        start();
        QCOMPARE(w->IconCellWidth(), 29);
        QCOMPARE(w->IconCellHeight(), 30);
        PictureBox* sheet = box("picFloorSheet");
        QCOMPARE(sheet->ScaleWidth(), 291);
        for (int i = 0; i < 10; ++i) {
            const QRect cell = c<QWidget>(QStringLiteral("imgFloorIcon_%1").arg(i))->geometry();
            QCOMPARE(cell, QRect(sheet->contentsRect().left() + 29 * i, sheet->contentsRect().top(), 29, 30));
            QCOMPARE(c<QWidget>(QStringLiteral("imgInvIcon_%1").arg(i))->geometry(), cell);
        }
        click(c<QWidget>("imgFloorIcon_7"));
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 7);
        QCOMPARE(c<QLabel>("lblFloorIcon")->text(), QStringLiteral("7"));
        QCOMPARE(box("picFloorIcon")->picture(),
                 QImage(game->filePath("Item Graphics/G1000.bmp")).copy(7 * 29, 0, 29, 30));
        QCOMPARE(c<UpDown>("updInvIcon")->value(), 0);

        click(c<QWidget>("imgInvIcon_3"));
        QCOMPARE(c<UpDown>("updInvIcon")->value(), 3);
        QCOMPARE(pixel("picInvIcon"), TestGame::cellColour(1000, 3));
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 7);

        // Right of the tenth cell belongs to no cell.
        QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(sheet->contentsRect().left() + 290, 10));
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 7);

        // A new sheet keeps the icon numbers.
        step("updSheetNum", "up");
        step("updSheetNum", "up");
        QCOMPARE(pixel("picFloorIcon"), TestGame::cellColour(1002, 7));
        QCOMPARE(pixel("picInvIcon"), TestGame::cellColour(1002, 3));
        for (int i = 0; i < 12; ++i)
            step("updFloorIcon", "up");
        QCOMPARE(c<UpDown>("updFloorIcon")->value(), 9);
    }

    void customSheetChosenCancelledAndReloaded()
    {
        start();
        const QString g1203 = customSheet("G1203.bmp", 1002);
        auto* custom = c<QRadioButton>("optCustomSheet");
        auto* numbered = c<QRadioButton>("optSheetNum");

        dialog->answers = {QString()};  // cancel
        click(custom);
        QCOMPARE(dialog->shown, 1);
        QCOMPARE(dialog->seenTitle, QStringLiteral("Find Custom Item Sheet"));
        QCOMPARE(dialog->seenFilter, QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files(*.*)|*.*"));
        QCOMPARE(dialog->seenFilterIndex, 1);
        QCOMPARE(dialog->seenFlags, kFileMustExist);
        QCOMPARE(dialog->seenInitDir, game->path() + "/");
        QVERIFY(numbered->isChecked());
        QVERIFY(c<QWidget>("updSheetNum")->isEnabled());
        QVERIFY(!c<QWidget>("cmdFindCustom")->isEnabled());
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1000.bmp"));

        dialog->answers = {g1203};
        click(custom);
        QCOMPARE(dialog->shown, 2);
        QVERIFY(custom->isChecked());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QStringLiteral("1203"));
        QCOMPARE(w->SheetPath(), g1203);
        QCOMPARE(w->dlgFindSheet().InitDir, game->filePath("custom sheets") + "/");
        QCOMPARE(pixel("picFloorSheet"), TestGame::cellColour(1002, 0));
        QCOMPARE(pixel("picInvIcon"), TestGame::cellColour(1002, 0));
        QVERIFY(!c<QWidget>("updSheetNum")->isEnabled());
        QVERIFY(c<QWidget>("cmdFindCustom")->isEnabled());

        // The script still writes the spinner's number.
        click(c<QWidget>("chkFloorIcon"));
        w->mnuGenerate_Click();
        QVERIFY(paneText(w.get()).contains("\tit_floor_which_sheet = 1000;\r\n"));
        c<QTabWidget>("TabStrip1")->setCurrentIndex(1);

        // "Find..." and Cancel with a custom sheet known changes nothing.
        dialog->answers = {QString()};
        click(c<QPushButton>("cmdFindCustom"));
        QVERIFY(custom->isChecked());
        QCOMPARE(w->SheetPath(), g1203);

        // A file that is not a picture: the custom sheet shown stays.
        game->write("custom sheets/notes.txt", "hello");
        dialog->answers = {game->filePath("custom sheets/notes.txt")};
        click(c<QPushButton>("cmdFindCustom"));
        QVERIFY(custom->isChecked());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QStringLiteral("1203"));

        // Back and forth between the sources reloads without a dialog.
        const int shown = dialog->shown;
        click(numbered);
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1000.bmp"));
        dialog->FileName = g1203;
        dialog->FileTitle = "G1203.bmp";
        click(custom);
        QCOMPARE(dialog->shown, shown);
        QCOMPARE(w->SheetPath(), g1203);
        QCOMPARE(pixel("picFloorSheet"), TestGame::cellColour(1002, 0));
    }

    void aFailedFirstCustomLoadFallsBackToTheNumberedSheet()
    {
        start();
        game->write("custom sheets/notes.txt", "hello");
        dialog->answers = {game->filePath("custom sheets/notes.txt")};
        click(c<QRadioButton>("optCustomSheet"));
        QVERIFY(c<QRadioButton>("optSheetNum")->isChecked());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QString());
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1000.bmp"));
        QCOMPARE(w->dlgFindSheet().InitDir, game->filePath("custom sheets") + "/");
    }

    void aCustomSheetDeletedMeanwhileKeepsTheCustomMode()
    {
        start();
        const QString mine = customSheet("MyGraphics.bmp", 1002);
        dialog->answers = {mine};
        click(c<QRadioButton>("optCustomSheet"));
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QStringLiteral("Myraphics"));
        click(c<QRadioButton>("optSheetNum"));
        QFile::remove(mine);
        click(c<QRadioButton>("optCustomSheet"));
        QVERIFY(c<QRadioButton>("optCustomSheet")->isChecked());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QStringLiteral("Myraphics"));
    }

    void resetForgetsTheCustomSheet()
    {
        start();
        dialog->answers = {customSheet("G1203.bmp", 1002)};
        click(c<QRadioButton>("optCustomSheet"));
        w->mnuReset_Click();
        QVERIFY(c<QRadioButton>("optSheetNum")->isChecked());
        QCOMPARE(c<QLabel>("lblCustomSheet")->text(), QString());
        QCOMPARE(w->SheetPath(), game->filePath("Item Graphics/G1000.bmp"));
        QCOMPARE(w->dlgFindSheet().InitDir, game->path() + "/");
        c<QTabWidget>("TabStrip1")->setCurrentIndex(1);
        dialog->answers = {QString()};
        const int shown = dialog->shown;
        click(c<QRadioButton>("optCustomSheet"));
        QCOMPARE(dialog->shown, shown + 1);
    }

    void missilePreviewShowsBands()
    {
        start();
        QCOMPARE(pixel("picMissile"), TestGame::bandColour(0));
        QCOMPARE(box("picMissile")->picture().size(), QSize(60, 10));
        c<QComboBox>("cboVariety")->setCurrentIndex(5);
        c<QTabWidget>("TabStrip1")->setCurrentIndex(2);
        step("updMissile", "up");
        QCOMPARE(c<QLabel>("lblMissile")->text(), QStringLiteral("1"));
        QCOMPARE(pixel("picMissile"), TestGame::bandColour(1));
        for (int i = 0; i < 15; ++i)
            step("updMissile", "up");
        QCOMPARE(c<UpDown>("updMissile")->value(), 11);
        QCOMPARE(pixel("picMissile", 3, 9), TestGame::bandColour(11));
        c<QComboBox>("cboVariety")->setCurrentIndex(0);  // the frame is disabled; number and preview stay
        QCOMPARE(c<UpDown>("updMissile")->value(), 11);
        QCOMPARE(pixel("picMissile"), TestGame::bandColour(11));
        c<UpDown>("updMissile")->setValue(5);
        w->mnuReset_Click();
        QCOMPARE(c<UpDown>("updMissile")->value(), 0);
        QCOMPARE(pixel("picMissile"), TestGame::bandColour(0));
    }

    void theWindowStartsWithoutMissileOrSheetFiles()
    {
        QFile::remove(game->filePath("Game Graphics/G1702.bmp"));
        QFile::remove(game->filePath("Item Graphics/G1000.bmp"));
        start();
        QVERIFY(box("picMissile")->picture().isNull());
        QCOMPARE(box("picFloorSheet")->printedLines(), QStringList{"File \"G1000.bmp\" not found"});
        c<QComboBox>("cboVariety")->setCurrentIndex(5);
        c<QTabWidget>("TabStrip1")->setCurrentIndex(2);
        step("updMissile", "up");
        QVERIFY(box("picMissile")->picture().isNull());
    }
};

QTEST_MAIN(GraphicsTest)
#include "GraphicsTest.moc"
