#include "frmprog.h"

#include "common/placement.h"
#include "programmerpicture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

QLabel *text(const QString &name, const QString &caption, QWidget *parent, bool heading)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(!heading);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

} // namespace

frmprog::frmprog(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmprog"));
    setWindowTitle(QStringLiteral("Meet The Programmer"));

    Picture = new QLabel(this);
    Picture->setObjectName(QStringLiteral("Picture"));
    Picture->setFixedSize(160, 200);
    Picture->setPixmap(programmerPicture(Picture->size(), devicePixelRatioF()));
    Picture->setFrameShape(QFrame::Panel);
    Picture->setFrameShadow(QFrame::Sunken);

    Label1 = text(QStringLiteral("Label1"), QStringLiteral("Name:"), this, true);
    Label2 = text(QStringLiteral("Label2"), QStringLiteral("Peter Arnold Wilkes"), this, false);
    Label3 = text(QStringLiteral("Label3"), QStringLiteral("Details:"), this, true);
    Label4 = text(QStringLiteral("Label4"),
                  QStringLiteral("Wrote Stallix in the evenings, with the racing on the radio "
                                 "and a pot of tea going cold. Backs the grey in every race and "
                                 "has the debt to prove it."),
                  this, false);
    Label5 = text(QStringLiteral("Label5"), QStringLiteral("Contact:"), this, true);
    Label6 = text(QStringLiteral("Label6"), QStringLiteral("peter.wilkes@tellary-networks.example"),
                  this, false);
    Label6->setWordWrap(false);
    Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Command1 = new QPushButton(QStringLiteral("&Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *facts = new QGridLayout;
    facts->setColumnStretch(1, 1);
    facts->setVerticalSpacing(10);
    facts->addWidget(Label1, 0, 0);
    facts->addWidget(Label2, 0, 1);
    facts->addWidget(Label3, 1, 0);
    facts->addWidget(Label4, 1, 1);
    facts->addWidget(Label5, 2, 0);
    facts->addWidget(Label6, 2, 1);
    facts->setRowStretch(3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto *right = new QVBoxLayout;
    right->addLayout(facts, 1);
    right->addLayout(buttons);
    auto *outer = new QHBoxLayout(this);
    outer->addWidget(Picture, 0, Qt::AlignTop);
    outer->addSpacing(8);
    outer->addLayout(right, 1);

    connect(Command1, &QPushButton::clicked, this, &frmprog::Command1_Click);

    setFixedWidth(520);
    adjustSize();
    centreOnScreen(this);
}

frmprog::~frmprog() = default;

void frmprog::Command1_Click()
{
    unload(this);
}
