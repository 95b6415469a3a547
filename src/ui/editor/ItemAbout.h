#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ItemAbout;
}

// The About box: the editor's name, version and credit. Modeless, with no
// owner window; "OK" closes and discards it.
class ItemAbout : public QWidget {
    Q_OBJECT
public:
    // Creating the box loads it: it is laid out, centred and shown.
    ItemAbout();
    ~ItemAbout() override;

    // "Tarnwick Item Editor", an empty line, "version M.m.r", an empty line,
    // "written by Ormsby".
    static QString AboutText(int major, int minor, int revision);

private:
    void cmdOK_Click();
    void CentreContents();

    std::unique_ptr<Ui::ItemAbout> ui;
};
