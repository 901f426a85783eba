#pragma once
// A small AVI (RIFF, one video stream of 8-bit palette frames in Microsoft RLE, with an index),
// the form of the CD's promotional video: flat-coloured frames shrink to a few kilobytes each.
#include <QImage>
#include <string>
#include <vector>

namespace samplecd {

// All frames must be 8-bit palette images (QImage::Format_Indexed8) with the size and the colour
// table of the first. Returns the file's bytes.
std::string aviVideo(const std::vector<QImage>& frames, int framesPerSecond);

}  // namespace samplecd
