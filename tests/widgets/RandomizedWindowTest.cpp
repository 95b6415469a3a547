// Thousands of random user actions on the window, checked against the test's
// own model of what the controls should hold. After every "Generate Script"
// the pane and the clipboard must equal the script of the model; after every
// action the variety-dependent frames must match the variety.
//
// ITEMEDIT_RANDOM_SEED=<n> runs one seed, ITEMEDIT_RANDOM_STEPS=<n> sets the
// number of actions per seed (default 600).
#include "WindowTestSupport.h"

#include "model/BuildItemScript.h"
#include "ui/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <functional>
#include <random>

namespace {

enum class Keys { Numeric, Strength, Any };
enum class Leave { None, ItemNumber, ImportNumber, ZeroWhenFlagged };

// A text box of the item, as the model sees it.
struct Box {
    const char* name;
    int page;
    Keys keys;
    Leave leave;
    int maxLength;  // 0: none
    std::function<QString&(ItemDefinition&)> text;
    const char* frame;  // the variety-dependent frame holding it, or nullptr
    std::function<bool&(ItemDefinition&)> flag;  // for ZeroWhenFlagged
};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool accepts(Keys keys, QChar c)
{
    switch (keys) {
    case Keys::Numeric: return isDigit(c);
    case Keys::Strength: return isDigit(c) || c == QLatin1Char('-');
    case Keys::Any: return true;
    }
    return false;
}

// The leave-field corrections, written out on their own for the model.
QString corrected(const Box& box, ItemDefinition& item)
{
    const QString t = box.text(item);
    const auto clamp = [&](int bound) {
        if (t.isEmpty())
            return QStringLiteral("0");
        bool allDigits = true;
        for (QChar c : t)
            allDigits = allDigits && isDigit(c);
        return allDigits && t.toLongLong() > bound ? QString::number(bound) : t;
    };
    switch (box.leave) {
    case Leave::None: return t;
    case Leave::ItemNumber: return clamp(499);
    case Leave::ImportNumber: return clamp(255);
    case Leave::ZeroWhenFlagged: return t.isEmpty() && box.flag(item) ? QStringLiteral("0") : t;
    }
    return t;
}

// Which frames a variety enables, from the game's table of varieties.
QStringList framesFor(int v)
{
    QStringList on;
    const bool weapon = v == 1 || v == 2 || v == 5 || v == 6 || v == 22;
    if (weapon)
        on << "fraDamage";
    if (weapon || (v >= 11 && v <= 20))
        on << "fraBonus" << "fraSkill" << "fraProtect" << "fraEncumb";
    if (v != 0 && v != 3 && v != 4)
        on << "fraSpecAbil";
    if (v == 5 || v == 23 || v == 24)
        on << "fraMissile";
    return on;
}

QString varietyText(int v) { return v == 1 ? QStringLiteral("One-Handed Weapon") : QStringLiteral("Variety %1").arg(v); }
const QStringList kSkills = {"Strength", "Dexterity", "Edged Weapons", "Bashing", "Pole Arms", "Bows"};
QString abilityText(int a) { return a == 12 ? QStringLiteral("Fire Damage") : QStringLiteral("Ability %1").arg(a); }

ItemDefinition startingItem()
{
    ItemDefinition m;
    m.txtItemNum = "440";
    m.txtImport = m.txtDamage = m.txtBonus = m.txtProtect = m.txtCharges = m.txtEncumb = "0";
    m.txtIconAdjust = m.txtSpecClass = m.txtValue = m.txtWeight = "0";
    m.cboVariety = {0, varietyText(0)};
    m.cboSkill = {4, kSkills[4]};
    for (auto& slot : m.specAbil)
        slot = {{0, abilityText(0)}, "0", false};
    return m;
}

}  // namespace

class RandomizedWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestGame> game;
    std::unique_ptr<ItemEdit> w;
    ItemDefinition m;
    std::vector<Box> boxes;
    const Box* focused = nullptr;  // the rule box the model believes has the focus
    std::mt19937 rng;
    QStringList log;

    template <class T>
    T* c(const QString& name) { return control<T>(w.get(), name); }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool frameOn(const char* frame) { return !frame || framesFor(m.cboVariety.position).contains(frame); }

    void buildBoxes()
    {
        auto t = [](QString ItemDefinition::*member) {
            return [member](ItemDefinition& i) -> QString& { return i.*member; };
        };
        auto f = [](bool ItemDefinition::*member) {
            return [member](ItemDefinition& i) -> bool& { return i.*member; };
        };
        boxes = {
            {"txtItemNum", 1, Keys::Numeric, Leave::ItemNumber, 3, t(&ItemDefinition::txtItemNum), nullptr, {}},
            {"txtImport", 1, Keys::Numeric, Leave::ImportNumber, 3, t(&ItemDefinition::txtImport), nullptr, {}},
            {"txtName", 1, Keys::Any, Leave::None, 19, t(&ItemDefinition::txtName), nullptr, {}},
            {"txtFullName", 1, Keys::Any, Leave::None, 29, t(&ItemDefinition::txtFullName), nullptr, {}},
            {"txtDamage", 1, Keys::Numeric, Leave::None, 3, t(&ItemDefinition::txtDamage), "fraDamage", {}},
            {"txtBonus", 1, Keys::Numeric, Leave::None, 3, t(&ItemDefinition::txtBonus), "fraBonus", {}},
            {"txtProtect", 1, Keys::Numeric, Leave::None, 3, t(&ItemDefinition::txtProtect), "fraProtect", {}},
            {"txtCharges", 1, Keys::Numeric, Leave::None, 3, t(&ItemDefinition::txtCharges), nullptr, {}},
            {"txtEncumb", 1, Keys::Numeric, Leave::None, 3, t(&ItemDefinition::txtEncumb), "fraEncumb", {}},
            {"txtIconAdjust", 2, Keys::Any, Leave::None, 0, t(&ItemDefinition::txtIconAdjust), nullptr, {}},
            {"txtSpecClass", 3, Keys::Numeric, Leave::ZeroWhenFlagged, 2, t(&ItemDefinition::txtSpecClass), nullptr,
             f(&ItemDefinition::chkSpecClass)},
            {"txtValue", 3, Keys::Numeric, Leave::ZeroWhenFlagged, 5, t(&ItemDefinition::txtValue), nullptr,
             f(&ItemDefinition::chkValue)},
            {"txtWeight", 3, Keys::Numeric, Leave::ZeroWhenFlagged, 4, t(&ItemDefinition::txtWeight), nullptr,
             f(&ItemDefinition::chkWeight)},
        };
        for (int i = 0; i < 4; ++i) {
            boxes.push_back({nullptr, 2, Keys::Strength, Leave::None, 3,
                             [i](ItemDefinition& item) -> QString& { return item.specAbil[std::size_t(i)].txtSpecAbil; },
                             "fraSpecAbil", {}});
        }
    }
    QString boxName(const Box& b) const
    {
        return b.name ? QString::fromLatin1(b.name)
                      : QStringLiteral("txtSpecAbil_%1").arg(&b - &boxes[13] + 1);
    }

    // The focus left the box the model held as focused: its rule runs.
    void leaveFocusedBox()
    {
        if (focused) {
            focused->text(m) = corrected(*focused, m);
            focused = nullptr;
        }
    }
    // After an action: a focus change the model did not see coming still
    // runs the rule; then note which rule box has the focus now.
    void noteFocus()
    {
        QWidget* now = QApplication::focusWidget();
        if (focused && (!now || now->objectName() != boxName(*focused)))
            leaveFocusedBox();
        focused = nullptr;
        for (const Box& b : boxes)
            if (now && now->objectName() == boxName(b))
                focused = &b;
    }

    void clickTab(int page)
    {
        leaveFocusedBox();  // the tab bar takes the focus on the press
        QTabBar* bar = c<QTabWidget>("TabStrip1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page - 1).center());
    }
    void clickButton(QAbstractButton* button)
    {
        if (button->focusPolicy() != Qt::NoFocus)
            leaveFocusedBox();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString randomText(int maxLength, bool printableOnly)
    {
        static const QString typed = QStringLiteral("0123456789-+. aZq\"/");
        QString s;
        const int n = pick(maxLength + 1);
        for (int i = 0; i < n; ++i)
            s += printableOnly ? QChar(32 + pick(95)) : typed[pick(int(typed.size()))];
        return s;
    }

    void typeOrPaste(bool paste)
    {
        const Box& b = boxes[std::size_t(pick(int(boxes.size())))];
        if (!frameOn(b.frame) || (b.leave == Leave::ImportNumber && m.optClear))
            return;
        clickTab(b.page);
        auto* box = c<QLineEdit>(boxName(b));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QString& held = b.text(m);
        const int erased = pick(5);
        for (int i = 0; i < erased; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        held.chop(erased);
        const QString text = randomText(paste ? 6 : 4, paste);
        log << QStringLiteral("%1 %2 after %3 backspaces \"%4\"")
                   .arg(paste ? "paste into" : "type into", boxName(b)).arg(erased).arg(text);
        if (paste) {
            QGuiApplication::clipboard()->setText(text);
            box->paste();
            held += b.maxLength ? text.left(std::max<qsizetype>(0, b.maxLength - held.size())) : text;
        } else {
            QTest::keyClicks(box, text);
            for (QChar ch : text)
                if (accepts(b.keys, ch) && (!b.maxLength || held.size() < b.maxLength))
                    held += ch;
        }
    }

    struct Flag {
        const char* name;
        int page;
        const char* frame;
        std::function<bool&(ItemDefinition&)> value;
    };
    std::vector<Flag> flags()
    {
        auto f = [](bool ItemDefinition::*member) {
            return [member](ItemDefinition& i) -> bool& { return i.*member; };
        };
        std::vector<Flag> all = {
            {"chkClearImport", 1, nullptr, f(&ItemDefinition::chkClearImport)},
            {"chkName", 1, nullptr, f(&ItemDefinition::chkName)},
            {"chkFullName", 1, nullptr, f(&ItemDefinition::chkFullName)},
            {"chkVariety", 1, nullptr, f(&ItemDefinition::chkVariety)},
            {"chkDamage", 1, "fraDamage", f(&ItemDefinition::chkDamage)},
            {"chkBonus", 1, "fraBonus", f(&ItemDefinition::chkBonus)},
            {"chkSkill", 1, "fraSkill", f(&ItemDefinition::chkSkill)},
            {"chkProtect", 1, "fraProtect", f(&ItemDefinition::chkProtect)},
            {"chkCharges", 1, nullptr, f(&ItemDefinition::chkCharges)},
            {"chkEncumb", 1, "fraEncumb", f(&ItemDefinition::chkEncumb)},
            {"chkFloorIcon", 2, nullptr, f(&ItemDefinition::chkFloorIcon)},
            {"chkInvIcon", 2, nullptr, f(&ItemDefinition::chkInvIcon)},
            {"chkIconAdjust", 2, nullptr, f(&ItemDefinition::chkIconAdjust)},
            {"chkSpecClass", 3, nullptr, f(&ItemDefinition::chkSpecClass)},
            {"chkValue", 3, nullptr, f(&ItemDefinition::chkValue)},
            {"chkWeight", 3, nullptr, f(&ItemDefinition::chkWeight)},
            {"chkIdentify", 3, nullptr, f(&ItemDefinition::chkIdentify)},
            {"chkMagic", 3, nullptr, f(&ItemDefinition::chkMagic)},
            {"chkCursed", 3, nullptr, f(&ItemDefinition::chkCursed)},
            {"chkUseOnce", 3, nullptr, f(&ItemDefinition::chkUseOnce)},
            {"chkJunk", 3, nullptr, f(&ItemDefinition::chkJunk)},
            {"chkMissile", 3, "fraMissile", f(&ItemDefinition::chkMissile)},
        };
        for (int i = 0; i < 4; ++i)
            all.push_back({nullptr, 2, "fraSpecAbil",
                           [i](ItemDefinition& item) -> bool& { return item.specAbil[std::size_t(i)].chkSpecAbil; }});
        return all;
    }

    void toggleFlag()
    {
        const std::vector<Flag> all = flags();
        const Flag& flag = all[std::size_t(pick(int(all.size())))];
        if (!frameOn(flag.frame))
            return;
        const QString name = flag.name ? QString::fromLatin1(flag.name)
                                       : QStringLiteral("chkSpecAbil_%1").arg(&flag - &all[22] + 1);
        log << "toggle " + name;
        clickTab(flag.page);
        clickButton(c<QCheckBox>(name));
        flag.value(m) = !flag.value(m);
    }

    void chooseFromList()
    {
        const int which = pick(6);
        if (which == 0) {
            const int v = pick(25);
            log << QStringLiteral("variety %1").arg(v);
            c<QComboBox>("cboVariety")->setCurrentIndex(v);
            m.cboVariety = {std::int16_t(v), varietyText(v)};
            const QStringList on = framesFor(v);
            if (!on.contains("fraDamage"))
                m.chkDamage = false;
            if (!on.contains("fraBonus"))
                m.chkBonus = m.chkSkill = m.chkProtect = m.chkEncumb = false;
        } else if (which == 1) {
            if (!frameOn("fraSkill"))
                return;
            const int s = pick(6);
            log << QStringLiteral("skill %1").arg(s);
            c<QComboBox>("cboSkill")->setCurrentIndex(s);
            m.cboSkill = {std::int16_t(s), kSkills[s]};
        } else {
            if (!frameOn("fraSpecAbil"))
                return;
            const int a = pick(20);
            log << QStringLiteral("ability %1 of slot %2").arg(a).arg(which - 1);
            c<QComboBox>(QStringLiteral("cboSpecAbil_%1").arg(which - 1))->setCurrentIndex(a);
            m.specAbil[std::size_t(which - 2)].cboSpecAbil = {std::int16_t(a), abilityText(a)};
        }
    }

    void stepOrPickIcon()
    {
        struct Spinner {
            const char* name;
            int page;
            int low, high;
            std::int32_t ItemDefinition::*value;
            const char* frame;
        };
        static const Spinner spinners[] = {
            {"updSheetNum", 2, 1000, 1048, &ItemDefinition::updSheetNum, nullptr},
            {"updFloorIcon", 2, 0, 9, &ItemDefinition::updFloorIcon, nullptr},
            {"updInvIcon", 2, 0, 9, &ItemDefinition::updInvIcon, nullptr},
            {"updMissile", 3, 0, 11, &ItemDefinition::updMissile, "fraMissile"},
        };
        const int which = pick(6);
        if (which >= 4) {
            const int cell = pick(10);
            const QString name = QStringLiteral("%1_%2").arg(which == 4 ? "imgFloorIcon" : "imgInvIcon").arg(cell);
            log << "click " + name;
            clickTab(2);
            QTest::mouseClick(c<QWidget>(name), Qt::LeftButton);
            (which == 4 ? m.updFloorIcon : m.updInvIcon) = cell;
            return;
        }
        const Spinner& s = spinners[which];
        if (!frameOn(s.frame))
            return;
        const bool up = pick(2) == 0;
        log << QStringLiteral("%1 %2").arg(s.name, up ? "up" : "down");
        clickTab(s.page);
        QTest::mouseClick(c<UpDown>(s.name)->findChild<QToolButton*>(up ? "up" : "down"), Qt::LeftButton);
        m.*s.value = std::clamp(m.*s.value + (up ? 1 : -1), s.low, s.high);
    }

    void chooseOption()
    {
        struct Pair {
            const char* yes;
            const char* no;
            bool ItemDefinition::*value;
            int page;
        };
        static const Pair pairs[] = {
            {"optImport", "optClear", nullptr, 1},
            {"optIdentYes", "optIdentNo", &ItemDefinition::optIdentYes, 3},
            {"optMagicYes", "optMagicNo", &ItemDefinition::optMagicYes, 3},
            {"optCurseYes", "optCurseNo", &ItemDefinition::optCurseYes, 3},
            {"optUseOnceYes", "optUseOnceNo", &ItemDefinition::optUseOnceYes, 3},
            {"optJunkYes", "optJunkNo", &ItemDefinition::optJunkYes, 3},
        };
        const Pair& p = pairs[pick(6)];
        const bool yes = pick(2) == 0;
        log << QStringLiteral("choose %1").arg(yes ? p.yes : p.no);
        clickTab(p.page);
        clickButton(c<QRadioButton>(yes ? p.yes : p.no));
        if (p.value)
            m.*p.value = yes;
        else
            m.optClear = !yes;  // choosing "Import" also moves the focus into its box
    }

    void generateAndCheck()
    {
        log << "generate";
        const QString expected = BuildItemScript(m);
        pressKey(w.get(), Qt::Key_G);
        leaveFocusedBox();  // the focus moves to the pane after the text is built
        QCOMPARE(paneText(w.get()), expected);
        if (pick(2) == 0) {
            pressKey(w.get(), Qt::Key_C);
            QCOMPARE(clipboardText(), expected);
        }
    }

    void reset()
    {
        log << "reset";
        pressKey(w.get(), Qt::Key_R);
        const ItemDefinition before = m;
        m = startingItem();
        m.chkFloorIcon = before.chkFloorIcon;
        m.chkInvIcon = before.chkInvIcon;
        m.chkMissile = before.chkMissile;
        focused = nullptr;
        QCOMPARE(c<QCheckBox>("chkFloorIcon")->isChecked(), m.chkFloorIcon);
        QCOMPARE(c<QCheckBox>("chkInvIcon")->isChecked(), m.chkInvIcon);
        QCOMPARE(c<QCheckBox>("chkMissile")->isChecked(), m.chkMissile);
    }

    void checkFrames()
    {
        QStringList on;
        for (const char* f : {"fraDamage", "fraBonus", "fraSkill", "fraProtect", "fraEncumb", "fraSpecAbil", "fraMissile"})
            if (c<QGroupBox>(f)->isEnabled())
                on << f;
        QCOMPARE(on, framesFor(m.cboVariety.position));
    }

    void runSeed(unsigned seed, int steps)
    {
        game = std::make_unique<TestGame>();
        game->writeStandardGame();
        w = startEditor(*game);
        QVERIFY(w);
        rng.seed(seed);
        m = startingItem();
        focused = nullptr;
        log.clear();
        noteFocus();
        for (int step = 0; step < steps; ++step) {
            const int action = pick(100);
            if (action < 25)
                typeOrPaste(false);
            else if (action < 33)
                typeOrPaste(true);
            else if (action < 53)
                toggleFlag();
            else if (action < 63)
                chooseFromList();
            else if (action < 75)
                stepOrPickIcon();
            else if (action < 83)
                chooseOption();
            else if (action < 86) {
                clickTab(1 + pick(4));
                log << "tab";
            } else if (action < 88)
                reset();
            else if (action < 90) {
                log << "clear";
                pressKey(w.get(), Qt::Key_E);
            } else
                generateAndCheck();
            if (QTest::currentTestFailed())
                break;
            noteFocus();
            checkFrames();
            if (QTest::currentTestFailed())
                break;
        }
        if (QTest::currentTestFailed())
            qWarning("seed %u failed; last actions:\n  %s", seed, qPrintable(log.mid(std::max<qsizetype>(0, log.size() - 25)).join("\n  ")));
        w.reset();
        game.reset();
    }

private slots:
    void initTestCase() { buildBoxes(); }

    void randomActionsMatchTheModel_data()
    {
        QTest::addColumn<unsigned>("seed");
        const QByteArray fromEnv = qgetenv("ITEMEDIT_RANDOM_SEED");
        if (!fromEnv.isEmpty()) {
            QTest::newRow(fromEnv.constData()) << fromEnv.toUInt();
            return;
        }
        for (unsigned seed : {1u, 2u, 3u, 4u, 5u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    void randomActionsMatchTheModel()
    {
        QFETCH(unsigned, seed);
        const int steps = qEnvironmentVariableIsSet("ITEMEDIT_RANDOM_STEPS")
                              ? qEnvironmentVariableIntValue("ITEMEDIT_RANDOM_STEPS")
                              : 600;
        runSeed(seed, steps);
    }
};

QTEST_MAIN(RandomizedWindowTest)
#include "RandomizedWindowTest.moc"
