// Every caption of the editor and its About box fits its control with room to
// spare, no control covers another, and greyed-out text stays readable: on the
// sample game's lists, with the editor's own font and style.
#include "WindowTestSupport.h"

#include "ui/EditorStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

namespace {

QStringList cutTexts(QWidget* top)
{
    QStringList cut;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const auto fits = [&](const QString& text, int room) {
            for (const QString& line : QString(text).remove(u'&').split(u'\n')) {
                const int need = w->fontMetrics().horizontalAdvance(line) + 2;
                if (need > room)
                    cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w->objectName(), line).arg(need).arg(room);
            }
        };
        QStyle* style = w->style();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            fits(label->text(), label->contentsRect().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            opt.text = button->text();
            const auto contents = qobject_cast<QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                                  : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                                    : QStyle::SE_PushButtonContents;
            fits(button->text(), style->subElementRect(contents, &opt, button).width());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(list);
            opt.editable = list->isEditable();
            const int field = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list).width();
            const QMargins margins = list->isEditable() ? list->lineEdit()->textMargins() : QMargins();
            for (int i = 0; i < list->count(); ++i)
                fits(list->itemText(i), field - 4 - margins.left() - margins.right());
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            fits(frame->title(), frame->width() - 12);
        }
    }
    return cut;
}

// Named controls that cover a sibling; the pages lie over the tab strip's
// page area, below its tabs.
QStringList overlaps(QWidget* top, const QTabWidget* tabs)
{
    QStringList found;
    const QRect tabBar = tabs ? QRect(tabs->tabBar()->mapTo(top, QPoint()), tabs->tabBar()->size()) : QRect();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        if (w->objectName().startsWith("fraItemInfo") && QRect(w->mapTo(top, QPoint()), w->size()).intersects(tabBar))
            found << w->objectName() + " covers the tabs";
        for (QObject* o : w->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(o);
            if (other && other < w && other->isVisible() && !other->objectName().isEmpty() && other != tabs
                && w != tabs && !other->objectName().startsWith("qt_") && other->geometry().intersects(w->geometry()))
                found << w->objectName() + " covers " + other->objectName();
        }
    }
    return found;
}

double luminance(QColor c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ApplyEditorStyle(*qApp); }

    void everyCaptionFitsAndNothingOverlaps()
    {
        std::unique_ptr<ItemEdit> w = ItemGlobal::StartEditor(QStringLiteral(ITEMEDIT_SAMPLE_GAME));
        QVERIFY(w);
        auto* tabs = control<QTabWidget>(w.get(), "TabStrip1");
        QStringList problems;
        for (int page = 0; page < 4; ++page) {
            tabs->setCurrentIndex(page);
            problems << cutTexts(w.get()) << overlaps(w.get(), tabs);
        }
        w->mnuAbout_Click();
        problems << cutTexts(w->aboutBox()) << overlaps(w->aboutBox(), nullptr);
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }

    void greyedTextIsReadable()
    {
        const QPalette p = QApplication::palette();
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            const double text = luminance(p.color(QPalette::Disabled, role));
            const double ground = luminance(p.color(QPalette::Disabled, role == QPalette::Text ? QPalette::Base : QPalette::Window));
            QVERIFY2((ground + 0.05) / (text + 0.05) >= 3.0, qPrintable(QString::number(role)));
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
