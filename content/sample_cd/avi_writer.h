#pragma once
// A small uncompressed AVI (RIFF, one video stream of 24-bit frames with an index), the form of
// the CD's promotional video.
#include <QImage>
#include <string>
#include <vector>

namespace samplecd {

// All frames must have the size of the first. Returns the file's bytes.
std::string aviVideo(const std::vector<QImage>& frames, int framesPerSecond);

}  // namespace samplecd
