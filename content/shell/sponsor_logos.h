#pragma once
// The pictures of the sponsors page: the sponsors' logos, the airline's square logo and the
// video's film picture, each drawn at the size of its control in the large layout.
#include <QImage>
#include <QString>
#include <vector>

namespace content {

struct NamedPicture {
  QString name;  // the resource's path below :/shell/
  QImage picture;
};

std::vector<NamedPicture> drawSponsorPictures();

}  // namespace content
