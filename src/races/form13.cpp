#include "form13.h"

#include "common/dialogs.h"
#include "common/numbers.h"
#include "common/placement.h"
#include "form4.h"
#include "mainwindow/form2.h"
#include "racepictures.h"
#include "racerules.h"

#include <QHBoxLayout>
#include <QPalette>
#include <QPointer>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

Form13::Form13(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Drug Your Horse?......"));

    // A back-alley dusk: the offer is not one the stewards would approve of.
    QPalette dusk = palette();
    dusk.setColor(QPalette::Window, QColor(34, 38, 54));
    dusk.setColor(QPalette::WindowText, QColor(236, 236, 236));
    setPalette(dusk);
    setAutoFillBackground(true);

    auto *pictures = new QHBoxLayout;
    pictures->setSpacing(6);
    for (int i = 0; i < 5; ++i) {
        Picture2[i] = new HorsePicture(i + 1, this);
        Picture2[i]->setObjectName(QStringLiteral("Picture2(%1)").arg(i));
        Picture2[i]->setFixedSize(88, 56);
        pictures->addWidget(Picture2[i]);
    }

    Label1[0] =
        makeLabel(QStringLiteral("Label1(0)"),
                  QStringLiteral("The Race Is About To Start, But You Bump Into Sid Varnell "
                                 "(The number1 horse drugger in the UK) He offers to sell "
                                 "you some performance enhancing drugs for your horse so "
                                 "that it will win the race. The Drugs Will Cost You: "),
                  this);
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("amount"), this);
    Label3->setWordWrap(false);
    QFont priceFont = Label3->font();
    priceFont.setBold(true);
    priceFont.setPointSize(priceFont.pointSize() + 3);
    Label3->setFont(priceFont);
    Label3->setStyleSheet(QStringLiteral("QLabel { color: rgb(250, 210, 60); }"));
    auto *offer = new QHBoxLayout;
    offer->addWidget(Label1[0], 1);
    offer->addWidget(Label3, 0, Qt::AlignBottom);

    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("Do You Wish To Drug Your Horse?"),
                       this);
    QFont questionFont = Label2->font();
    questionFont.setBold(true);
    questionFont.setPointSize(questionFont.pointSize() + 2);
    Label2->setFont(questionFont);
    Label2->setAlignment(Qt::AlignCenter);

    Label1[1] = makeLabel(QStringLiteral("Label1(1)"), QStringLiteral("NOTE: "), this);
    Label1[1]->setWordWrap(false);
    QFont noteFont = Label1[1]->font();
    noteFont.setBold(true);
    Label1[1]->setFont(noteFont);
    Label1[1]->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 110, 100); }"));
    Label1[2] =
        makeLabel(QStringLiteral("Label1(2)"),
                  QStringLiteral("If you are found to have drugged your horse then you will "
                                 "be heavily fined and your horse will be destroyed."),
                  this);
    auto *note = new QHBoxLayout;
    note->addWidget(Label1[1], 0, Qt::AlignTop);
    note->addWidget(Label1[2], 1);

    Command1 = new QPushButton(QStringLiteral("YES"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("NO"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *button : {Command1, Command2})
        button->setMinimumWidth(110);
    auto *answers = new QHBoxLayout;
    answers->addStretch(1);
    answers->addWidget(Command1);
    answers->addSpacing(24);
    answers->addWidget(Command2);
    answers->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(12);
    column->addLayout(pictures);
    column->addLayout(offer);
    column->addWidget(Label2);
    column->addLayout(note);
    column->addLayout(answers);
    setFixedWidth(520);
    adjustSize();
    centreOnScreen(this);

    connect(Command1, &QPushButton::clicked, this, &Form13::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form13::Command2_Click);
}

Form13::~Form13() = default;

void Form13::Form_Load()
{
    if (const Form2 *main = loadedForm<Form2>())
        Label3->setText(main->curr->text() + QString::number(DrugPrice));
}

void Form13::Command1_Click()
{
    // An offer has no buyer once the player has left; it must not bring the main window back.
    QPointer<Form2> main(loadedForm<Form2>());
    if (!main) {
        unload(this);
        return;
    }
    // The first write to the race window creates it and copies the runner names.
    QPointer<Form4> race(form<Form4>());
    race->Text1->setText(QStringLiteral("1"));
    const QString share = main->Label16->text();
    for (int k = 1; k <= 5; ++k) {
        // A position, not a bonus: the start's head start goes on top of it.
        if (race->nameLabel(k)->text() == share)
            race->progressBar(k)->setValue(DopedStart);
    }
    // A cash box that does not hold a whole number is charged from 0.
    main->Text1->setText(moneyText(qint64{wholeOrZero(main->Text1->text())} - DrugPrice));
    msgBox(QStringLiteral("You have been charged ") + main->curr->text()
           + QStringLiteral("1000 for the drugs"));
    // The way out during the box closes the race too.
    if (isLoaded(main.data()) && isLoaded(race.data()))
        showForm(race);
    unload(this);
}

void Form13::Command2_Click()
{
    if (!loadedForm<Form2>()) {
        unload(this);
        return;
    }
    Form4 *race = form<Form4>();
    race->Text1->setText(QStringLiteral("0"));
    showForm(race);
    unload(this);
}
