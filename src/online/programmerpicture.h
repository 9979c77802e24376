#pragma once

#include <QPixmap>
#include <QSize>

// The programmer at the keyboard, late, with a race on the screen: painted, like every
// picture of the game, so it needs no file and stays sharp at any scale.
QPixmap programmerPicture(const QSize &size, qreal pixelRatio);
