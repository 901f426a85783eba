#pragma once
// What a picture draws beneath and around the controls placed on it, in the panel's
// coordinates: the painter maps them onto the picture, which the form stretches over the panel
// inside its bevel.
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QTransform>
#include <vector>

namespace content {

// Panel coordinates to picture pixels, for a picture of the panel's size shown inside the
// panel's bevels.
QTransform panelToPicture(QSize panel);

// A soft shadow below and to the right of a picture button of that rectangle.
void paintButtonShadow(QPainter& painter, QRect button);
// A quiet sunken bed a few pixels wider than the panel or field that lies in it.
void paintRecess(QPainter& painter, QRect control);
// A dark glass rail under a hover label, so that its silver text reads on any picture.
void paintLabelRail(QPainter& painter, QRect label);

// The first place of `size` within `area`, scanning rows from the top and, in each row, from
// `preferredX` outwards, that keeps `margin` pixels clear of every occupied rectangle; a null
// rectangle when there is none.
QRect freeSpot(QSize size, QRect area, const std::vector<QRect>& occupied, int preferredX,
               int margin);

}  // namespace content
