#include "form6.h"

#include "common/linklabel.h"
#include "common/maker.h"
#include "common/placement.h"
#include "common/product.h"
#include "common/twips.h"
#include "form10.h"
#include "profiles/splashpictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QLabel *notice(const QString &name, const QString &text, QWidget *parent, int sizeDelta = 0)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (sizeDelta != 0) {
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() + sizeDelta);
        label->setFont(font);
    }
    return label;
}

} // namespace

Form6::Form6(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form6"));

    // The whole box, credits included, is laid out at its grown height; the window shows the
    // top of it until "more >" makes it taller.
    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    SSTab1 = new QTabWidget(body);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto *page = new QWidget;
    SSTab1->addTab(page, QStringLiteral("About Stallix"));

    Picture1 = new QLabel(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(56, 56);
    Picture1->setPixmap(emblemPicture(Picture1->size(), devicePixelRatioF()));

    Label4 = notice(QStringLiteral("Label4"), QStringLiteral("Version:"), page, 1);
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label5 = notice(QStringLiteral("Label5"), QStringLiteral("Release Date: October 2005"), page);
    Label2 = notice(QStringLiteral("Label2"),
                    QStringLiteral("This copy is licensed for use in one household. For help "
                                   "with the game see its Help menu or the maker's web site."),
                    page, -1);
    Label6 = notice(QStringLiteral("Label6"),
                    QStringLiteral("Copyright \u00a9 2002-2005 Tellary Networks. All rights "
                                   "reserved."),
                    page, -1);
    Label8 = notice(QStringLiteral("Label8"),
                    QStringLiteral("Stallix is a product of Tellary Networks. Built with the Qt "
                                   "toolkit; web pages are shown by Qt WebEngine, which is based "
                                   "on the Chromium browser engine."),
                    page, -1);
    Label7 = new LinkLabel(MakerHost, page);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setTextFormat(Qt::PlainText);
    QFont underlined = Label7->font();
    underlined.setUnderline(true);
    Label7->setFont(underlined);
    Label7->setToolTip(MakerHomePage);

    Command3 = new QPushButton(QStringLiteral("more >"), page);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1 = new QPushButton(QStringLiteral("&Close"), page);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(Label4);
    heading->addWidget(Label5);
    heading->addWidget(Label7);
    heading->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addSpacing(6);
    top->addLayout(heading, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command1);
    auto *inside = new QVBoxLayout(page);
    inside->setContentsMargins(8, 6, 8, 6);
    inside->setSpacing(4);
    inside->addLayout(top);
    inside->addWidget(Label6);
    inside->addWidget(Label2);
    inside->addWidget(Label8);
    inside->addStretch(1);
    inside->addLayout(buttons);

    Label1 = notice(QStringLiteral("Label1"),
                    QStringLiteral("Programming: Peter Arnold Wilkes. Design: the Tellary "
                                   "Networks stable. Dedicated to everyone who ever backed an "
                                   "outsider. Helpers and testers: the players of the earlier "
                                   "versions. The Tipwells name belongs to its trademark "
                                   "holders. Thanks to you for playing."),
                    body, -1);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const int width = twipsToPixels(WidthTwips);
    const int shortHeight = twipsToPixels(HeightTwips);
    const int more = twipsToPixels(MoreTwips);
    body->setGeometry(0, 0, width, shortHeight + more);
    SSTab1->setGeometry(4, 4, width - 8, shortHeight - 8);
    Label1->setGeometry(12, shortHeight + 4, width - 24, more - 12);
    setFixedSize(width, shortHeight);

    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Label7);

    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Label7, &LinkLabel::clicked, this, &Form6::Label7_Click);
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
}

Form6::~Form6() = default;

void Form6::Form_Load()
{
    Label4->setText(QStringLiteral("Version:  ") + versionText());
    setWindowTitle(QStringLiteral("About Stallix") + versionText());
    centreOnScreen(this);
    Command1->setFocus();
}

void Form6::Command3_Click()
{
    setFixedSize(width(), height() + twipsToPixels(MoreTwips));
    Command3->setEnabled(false);
}

void Form6::Label7_Click()
{
    showWebPage(MakerHomePage);
}

void Form6::Command1_Click()
{
    unload(this);
}
