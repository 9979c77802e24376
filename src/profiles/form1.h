#pragma once

#include "common/registry.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

class LinkLabel;

// The splash: shows the version, then opens the login window after two seconds or at once on
// a click on its picture. On a first run it hands straight over to the country window instead.
class Form1 : public QWidget, public GameForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    void Form_Load() override;
    void Form_Unload() override;

    LinkLabel *Picture1; // the splash picture; a click goes straight on to the login window
    QLabel *Picture2;    // the horseshoe emblem, decoration
    QLabel *Label1;      // the maker's name, decoration
    QLabel *Label2;      // hint that a click on the picture goes on at once, decoration
    QLabel *Label3;      // the version line, written at load
    QTimer *Timer1;      // 2000 ms: hands over to the login window when nobody clicks

public slots:
    void Picture1_Click();
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void handOver();
};
