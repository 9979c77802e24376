#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// The pictures of the splash and the country window. They are painted rather than shipped as
// files so that they stay sharp on any screen scale and need no resource at start-up.

// A stylised race on a summer evening with the game's name over it.
QPixmap splashPicture(const QSize &size, qreal pixelRatio);
// A golden horseshoe, the game's emblem.
QPixmap emblemPicture(const QSize &size, qreal pixelRatio);
// A globe with a marker, for the country question.
QPixmap countryPicture(const QSize &size, qreal pixelRatio);
// A right-pointing arrow on a green disc, for the Continue button.
QIcon continueIcon();
