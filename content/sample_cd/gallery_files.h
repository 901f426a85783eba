#pragma once
// The gallery's photographs, previews and descriptions on the sample CD.
#include "cd_folder.h"

namespace samplecd {

// UIRES\GALERIA\<base>.JPG (640 x 480), PREV\<base>.JPG and GALERIA.TXT.
void writeGalleryFiles(const CdFolder& cd);

}  // namespace samplecd
