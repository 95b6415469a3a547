#include "ui/editor/ItemAbout.h"

#include "ui_ItemAbout.h"

#include "ui/controls/CentreOnScreen.h"
#include "ui/controls/EditorIcon.h"

#include <QIcon>
#include <QTimer>

ItemAbout::ItemAbout()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ui(std::make_unique<Ui::ItemAbout>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    ui->Image1->setPixmap(EditorIcon().pixmap(32, 32));
    connect(ui->cmdOK, &QPushButton::clicked, this, &ItemAbout::cmdOK_Click);

    ui->Label1->setText(AboutText(ITEMEDIT_VERSION_MAJOR, ITEMEDIT_VERSION_MINOR, ITEMEDIT_VERSION_PATCH));
    CentreOnScreen(this);
    CentreContents();
    show();
    // Once the window system has framed the box, centre it by its outer size.
    QTimer::singleShot(0, this, [this] {
        CentreOnScreen(this);
        CentreContents();
    });
}

ItemAbout::~ItemAbout() = default;

QString ItemAbout::AboutText(int major, int minor, int revision)
{
    return QStringLiteral("Tarnwick Item Editor\n\nversion %1.%2.%3\n\nwritten by Ormsby")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

void ItemAbout::CentreContents()
{
    // Centred on the box's outer width, frame included.
    const double outer = frameGeometry().width();
    ui->Label1->move(qRound((outer - ui->Label1->width()) / 2.0), ui->Label1->y());
    ui->cmdOK->move(qRound((outer - ui->cmdOK->width()) / 2.0), ui->cmdOK->y());
}

void ItemAbout::cmdOK_Click() { close(); }
