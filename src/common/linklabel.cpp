#include "linklabel.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::Link);
    setAcceptDrops(true);
    // Being its own buddy shows the access key of a caption such as "&Cancel" and makes it
    // reach the label, which answers it like a click.
    setBuddy(this);
}

LinkLabel::~LinkLabel() = default;

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit clicked();
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void LinkLabel::dragEnterEvent(QDragEnterEvent *event)
{
    emit dragOver();
    event->ignore(); // nothing can be dropped on a link
}

bool LinkLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        emit clicked();
        return true;
    }
    return QLabel::event(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    // A link reached with Tab answers Space and Enter like a button.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
