// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The skin pictures are compiled into the program as SVG files under ":/skin" and found by name
// without regard to case ("Cancel" and "cancel" are one picture). Each picture is rendered once
// per device-pixel ratio and shared by every window that shows it; the references stay valid
// until the application object is destroyed.

// The picture at the device-pixel ratio of the application (the highest of its screens).
const QPixmap& SkinPixmap(const QString& name);

// The picture rendered for the given device-pixel ratio; its device-independent size is the
// picture's designed size whatever the ratio.
const QPixmap& SkinPixmap(const QString& name, qreal devicePixelRatio);

// Whether a picture of that name is compiled in. Asking for a missing one is a programming
// error: SkinPixmap logs it and answers an empty pixmap.
bool SkinExists(const QString& name);
