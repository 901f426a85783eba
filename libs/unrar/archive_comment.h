// The archive comment as text: stored comments are copied, packed ones unpacked by libarchive.
#pragma once

#include <string>

#include "libs/unrar/unrar.h"
#include "libs/unrar/volume_scan.h"

namespace unrar {

// 0 with the text, or the CmtState code that describes why there is none.
int commentText(const StoredComment& comment, std::string& text);

// Fills the comment fields of an open request from the first volume's comment.
void deliverComment(const VolumeScan& scan, RAROpenArchiveData& data);

}  // namespace unrar
