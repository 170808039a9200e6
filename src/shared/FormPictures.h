#pragma once
#include <QImage>
#include <QString>

namespace tamb {

// A picture stored with a form (a Qt resource such as ":/pics/pause.jpg").
// When it is missing the form still comes up: a dark placeholder of the
// expected size with the resource's name takes its place.
QImage formPicture(const QString& resource, int width, int height);

}  // namespace tamb
