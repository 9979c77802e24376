#pragma once

#include <QLabel>

// A label that answers the mouse like a link: click, move and release are passed on.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);
    ~LinkLabel() override;

signals:
    void clicked();
    void mouseMoved();
    void mouseReleased();
    void dragOver();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    bool event(QEvent *event) override;
};
